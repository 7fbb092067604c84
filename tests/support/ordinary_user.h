#pragma once

#include <functional>

namespace kov::test {

// Runs work in a child process that has given up root's rights, so that permission bits hold
// as they do for a player even when the tests run as root. Returns work's result, or a
// negative number when the child could not drop its rights or did not end normally.
int runAsOrdinaryUser(const std::function<int()>& work);

// Runs work in a child process with mounts of its own, so that what it mounts is seen by it
// alone and goes with it. Returns work's result, or noOwnMounts where that needs rights the tests
// do not have (root).
constexpr int noOwnMounts = -2;
int runWithOwnMounts(const std::function<int()>& work);

} // namespace kov::test
