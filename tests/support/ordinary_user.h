#pragma once

#include <functional>

namespace kov::test {

// Runs work in a child that gave up root's rights, so that permission bits hold as for a player:
// its result, or a negative number when the child could not drop them or did not end normally.
int runAsOrdinaryUser(const std::function<int()>& work);

// Runs work in a child with mounts of its own, which go with it: its result, or noOwnMounts where
// the tests lack the rights (root) for that.
constexpr int noOwnMounts = -2;
int runWithOwnMounts(const std::function<int()>& work);

} // namespace kov::test
