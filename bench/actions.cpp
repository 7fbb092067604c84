// The cost of one deal, one play and one draw on the real window (offscreen), each beside the
// work it cannot avoid: reading the pictures it shows, decoding those whose bytes were never
// decoded before at the size they are shown and, for a deal, writing the card file durably;
// and beside the older bare work that decoded every picture shown. With "memory", 10,000 random
// clicks instead, and the memory they leave; with "deals", 10 deals after 10 to warm up, for
// counting what they open (under strace) and decode.
#include "bench_util.h"
#include "cards/rules.h"
#include "forms/control_names.h"
#include "forms/frmkov.h"
#include "forms/picture_control.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using kov::Card;
using kov::CardCharacter;
using kov::PictureControl;
using kov::Player;
using kov::bench::fixed;
using kov::bench::median;
using kov::bench::monotonicNs;

double msSince(std::int64_t startNs) {
    return static_cast<double>(monotonicNs() - startNs) / 1e6;
}

// The unavoidable part of showing a card: its file read whole, and decoded at the size it is
// shown, in device pixels, unless the same bytes have been decoded before. The older bare work
// decoded every picture shown.
class BareWork {
public:
    BareWork(QString folder, QSize shown) : folder_(std::move(folder)), shown_(shown) {}

    void show(Card card) {
        const QByteArray bytes = read(card);
        if (seen_.insert(bytes.toStdString()).second)
            decode(bytes);
    }
    void showDecodingEverything(Card card) { decode(read(card)); }

private:
    [[nodiscard]] QByteArray read(Card card) const {
        QFile file(folder_ + QStringLiteral("/") + QString::fromStdString(card.code()) +
                   QStringLiteral(".jpg"));
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        return file.readAll();
    }
    void decode(const QByteArray& bytes) const {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpg");
        reader.setScaledSize(shown_);
        if (reader.read().isNull())
            std::abort();
    }

    QString folder_;
    QSize shown_;
    std::unordered_set<std::string> seen_;
};

// A card slot's size in device pixels.
QSize shownSize(const kov::frmKOV& window) {
    const auto* slot =
        window.findChild<kov::PictureControl*>(kov::cardSlotControlName(kov::Player::One, 0));
    return (QSizeF(slot->size()) * window.devicePixelRatioF()).toSize();
}

// The unavoidable part of saving the deck: 218 bytes to a new file, flushed, renamed over the
// old one, and the folder flushed.
void writeDurably(const std::filesystem::path& folder, const std::string& bytes) {
    const auto target = folder / "bare.txt";
    const auto temporary = folder / "bare.txt.new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0)
        std::abort();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
}

// Per action: its time, its bare work (and the older bare work), the repaint after it, and for
// a deal the durable write; the pictures it decoded.
struct Samples {
    std::vector<double> action, bare, oldBare, repaint, write;
    int decodes = 0;

    void add(double actionMs, double bareMs, double oldBareMs, double repaintMs) {
        action.push_back(actionMs);
        bare.push_back(bareMs);
        oldBare.push_back(oldBareMs);
        repaint.push_back(repaintMs);
    }
};

void report(const std::string& measure, const Samples& samples, double targetMs) {
    const double action = median(samples.action);
    const double bare = median(samples.bare);
    kov::bench::printRow(measure + ", median of " + std::to_string(samples.action.size()),
                         fixed(action, 3, " ms"), fixed(bare, 3, " ms"),
                         fixed(action / bare, 2, " x"), "<= " + fixed(targetMs, 1, " ms"),
                         action <= targetMs);
}

// The pictures the program decodes, counted from the line it logs for each (kov.decodes), with
// the bytes it kept after the last; every other line goes on to Qt's handler.
struct DecodeLog {
    int decodes = 0;
    std::size_t keptBytes = 0;
    QtMessageHandler otherLines = nullptr;
};
DecodeLog& decodeLog() {
    static DecodeLog log;
    return log;
}
void countDecodes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    DecodeLog& log = decodeLog();
    if (context.category != nullptr && std::strcmp(context.category, "kov.decodes") == 0) {
        ++log.decodes;
        log.keptBytes = message.section(QStringLiteral("; "), 1).section(' ', 0, 0).toULongLong();
    } else {
        log.otherLines(type, context, message);
    }
}
int decodes() {
    return decodeLog().decodes;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// A repaint after the action, timed on its own: it happens after the click has returned.
double repaint() {
    const std::int64_t start = monotonicNs();
    settle();
    return msSince(start);
}

Samples benchDeal(kov::frmKOV& window, const QString& folder, int repetitions) {
    Samples samples;
    const auto folderPath = std::filesystem::path(folder.toStdString());
    const std::string bytes(218, 'x');
    BareWork bare(folder, shownSize(window));
    for (int rep = -10; rep < repetitions; ++rep) {
        if (rep == 0)
            samples.decodes = -decodes();
        std::int64_t start = monotonicNs();
        if (window.Form_Load()) {
            std::fprintf(stderr, "deal failed\n");
            std::exit(1);
        }
        const double action = msSince(start);
        const double paint = repaint();

        // The same fifteen pictures this deal showed.
        std::vector<Card> shown;
        for (int slot = 0; slot < 7; ++slot) {
            shown.push_back(window.gameState().PlayerOneHand.at(slot));
            shown.push_back(window.gameState().PlayerTwoHand.at(slot));
        }
        shown.push_back(window.gameState().Deck.cardAt(29));
        start = monotonicNs();
        writeDurably(folderPath, bytes);
        const double write = msSince(start);
        for (Card each : shown)
            bare.show(each);
        const double bareMs = msSince(start);
        start = monotonicNs();
        for (Card each : shown)
            bare.showDecodingEverything(each);
        const double oldBare = write + msSince(start);
        if (rep >= 0) {
            samples.add(action, bareMs, oldBare, paint);
            samples.write.push_back(write);
        }
    }
    samples.decodes += decodes();
    return samples;
}

void click(QWidget* widget);
PictureControl* slotOf(const kov::frmKOV& window, Player player, int slot);
PictureControl* pickupCard(const kov::frmKOV& window);

// A table dealt from a deck of 108 red threes: every card can be played on every other, so a
// fresh deal is always a position where Player One can play, or draw once a slot is free.
void dealSameCards(kov::frmKOV& window) {
    if (window.Form_Load())
        std::abort();
    settle();
}

Samples benchPlay(kov::frmKOV& window, const QString& folder, int repetitions) {
    Samples samples;
    BareWork bare(folder, shownSize(window));
    for (int rep = -20; rep < repetitions; ++rep) {
        dealSameCards(window);
        std::int64_t start = monotonicNs();
        click(slotOf(window, Player::One, 0));
        const double action = msSince(start);
        if (window.gameState().toMove != Player::Two)
            std::abort(); // the card was not played
        const double paint = repaint();
        // The discard and the six cards left in the hand.
        start = monotonicNs();
        for (int each = 0; each < 7; ++each)
            bare.show(kov::cardFromCode("3R"));
        const double bareMs = msSince(start);
        start = monotonicNs();
        for (int each = 0; each < 7; ++each)
            bare.showDecodingEverything(kov::cardFromCode("3R"));
        const double oldBare = msSince(start);
        if (rep >= 0)
            samples.add(action, bareMs, oldBare, paint);
    }
    return samples;
}

Samples benchDraw(kov::frmKOV& window, const QString& folder, int repetitions) {
    Samples samples;
    const auto& state = window.gameState();
    BareWork bare(folder, shownSize(window));
    for (int rep = -20; rep < repetitions; ++rep) {
        // Player One's last slot free, the rest showing their cards, and Player One to move:
        // he plays, and Player Two's full hand draws nothing and passes the turn back.
        dealSameCards(window);
        click(slotOf(window, Player::One, 0));
        click(pickupCard(window));
        settle();
        const Card next = state.Deck.cardAt(state.DeckPosition);
        std::int64_t start = monotonicNs();
        click(pickupCard(window));
        const double action = msSince(start);
        if (!(state.PlayerOneHand.at(6) == next))
            std::abort(); // nothing was drawn into the free slot
        const double paint = repaint();
        start = monotonicNs();
        bare.show(next);
        const double bareMs = msSince(start);
        start = monotonicNs();
        bare.showDecodingEverything(next);
        const double oldBare = msSince(start);
        if (rep >= 0)
            samples.add(action, bareMs, oldBare, paint);
    }
    return samples;
}

void click(QWidget* widget) {
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

PictureControl* slotOf(const kov::frmKOV& window, Player player, int slot) {
    return window.findChild<PictureControl*>(kov::cardSlotControlName(player, slot));
}

PictureControl* pickupCard(const kov::frmKOV& window) {
    return window.findChild<PictureControl*>(kov::pickupCardControlName());
}

int handSize(const kov::Hand& hand) {
    int size = 0;
    for (int slot = 0; slot < kov::Hand::slotCount; ++slot)
        size += hand.at(slot).value.isBlank() ? 0 : 1;
    return size;
}

int runMemory(kov::frmKOV& window, int clicks) {
    settle();
    const long startRss = kov::bench::statusKb("VmRSS");
    const long startPeak = kov::bench::statusKb("VmHWM");
    const int startDecodes = decodes();

    // A dialog here would wait for a person; close any that opens and count it.
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&dialogs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    closer.start(20);

    auto* newGame = window.findChild<QPushButton*>(QStringLiteral("CmdNewGame"));
    std::mt19937 random(20240611);
    int deals = 0, pile = 0, slotClicks = 0, plays = 0, skipped = 0;
    std::string trend;
    const auto& state = window.gameState();
    for (int done = 0; done < clicks;) {
        const auto pick = random() % 100;
        if (pick < 2) {
            click(newGame);
            ++deals;
        } else if (pick < 22) {
            click(pickupCard(window));
            ++pile;
        } else {
            const Player player = random() % 2 == 0 ? Player::One : Player::Two;
            const int slot = static_cast<int>(random() % 7);
            const Card chosen = state.hand(player).at(slot);
            // A wild card opens the colour chooser and a last card ends the hand with a message:
            // both would wait for a person.
            if (kov::isWild(chosen.value) || handSize(state.hand(player)) <= 1) {
                ++skipped;
                continue;
            }
            const int before = handSize(state.hand(player));
            click(slotOf(window, player, slot));
            ++slotClicks;
            plays += handSize(state.hand(player)) < before ? 1 : 0;
        }
        settle();
        ++done;
        if (done % 1000 == 0)
            trend +=
                ' ' + fixed(static_cast<double>(kov::bench::statusKb("VmRSS")) / 1024.0, 1, "");
    }
    settle();
    const long endRss = kov::bench::statusKb("VmRSS");
    const long endPeak = kov::bench::statusKb("VmHWM");
    // The decoded pictures kept may grow to a deck's faces: 10 MiB is the room allowed for them.
    auto memoryRow = [](const char* measure, long end, long start) {
        const double grown = static_cast<double>(end - start) / 1024.0;
        kov::bench::printRow(measure, fixed(static_cast<double>(end) / 1024.0, 1, " MiB"),
                             fixed(static_cast<double>(start) / 1024.0, 1, " MiB"),
                             fixed(grown, 1, " MiB"), "<= start + 10 MiB", grown <= 10.0);
    };
    memoryRow("Peak memory (VmHWM), 10,000 clicks", endPeak, startPeak);
    memoryRow("Resident memory (VmRSS), 10,000 clicks", endRss, startRss);
    std::printf("\nMemory run: %d clicks (%d New Game, %d pile, %d card slots of which %d played "
                "a card; %d wild or last cards not clicked), %d dialogs closed; %d pictures "
                "decoded, %.1f MiB of decoded pictures kept.\n",
                clicks, deals, pile, slotClicks, plays, skipped, dialogs, decodes() - startDecodes,
                static_cast<double>(decodeLog().keptBytes) / 1048576.0);
    std::printf("  VmRSS in MiB at start %.1f, then every 1,000 clicks:%s\n",
                static_cast<double>(startRss) / 1024.0, trend.c_str());
    return dialogs == 0 ? 0 : 1;
}

// 10 deals after the start-up deal, then 10 more, each set led by a line on standard output so
// that what each opens can be told apart under strace.
int runDeals(kov::frmKOV& window) {
    std::printf("%d pictures decoded by the start-up deal\n", decodes());
    for (const char* after : {"the start-up deal", "11 deals"}) {
        const int before = decodes();
        std::printf("10 deals after %s:\n", after);
        std::fflush(stdout);
        for (int deal = 0; deal < 10; ++deal)
            dealSameCards(window);
        std::printf("  %d pictures decoded\n", decodes() - before);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: kov_bench_actions actions|memory|deals FOLDER [REPETITIONS]\n"
                             "FOLDER holds card.txt and the card pictures; it is written to.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("kov.decodes.debug=true"));
    decodeLog().otherLines = qInstallMessageHandler(countDecodes);
    const std::string mode = argv[1];
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int repetitions = argc > 3 ? std::atoi(argv[3]) : 0;

    const std::filesystem::path folderPath(argv[2]);
    kov::frmKOV window(folderPath, folderPath / "card.txt");
    if (window.Form_Load()) {
        std::fprintf(stderr, "kov_bench_actions: cannot deal from %s/card.txt\n", argv[2]);
        return 1;
    }
    window.show();
    settle();

    if (mode == "memory")
        return runMemory(window, repetitions > 0 ? repetitions : 10000);
    if (mode == "deals")
        return runDeals(window);

    const int reps = repetitions > 0 ? repetitions : 300;
    const Samples deal = benchDeal(window, folder, reps);
    const auto sameCards = std::filesystem::path(argv[2]) / "same-cards.txt";
    std::string threes;
    for (int each = 0; each < 109; ++each)
        threes += "3R";
    std::FILE* file = std::fopen(sameCards.c_str(), "wb");
    if (file == nullptr || std::fwrite(threes.data(), 1, threes.size(), file) != threes.size() ||
        std::fclose(file) != 0)
        return 1;
    const int decodesBeforeTable = decodes();
    kov::frmKOV table(folderPath, sameCards);
    table.show();
    const Samples play = benchPlay(table, folder, reps * 5);
    const Samples draw = benchDraw(table, folder, reps * 5);
    report("Deal", deal, 2.0);
    report("Play (discard + hand refresh)", play, 1.0);
    report("Draw (one card, free slot)", draw, 0.2);
    std::printf("\nActions, medians in ms: action / bare work / bare work decoding every picture "
                "shown / the repaint that follows\n");
    for (const auto& [name, samples] :
         {std::pair{"deal", &deal}, std::pair{"play", &play}, std::pair{"draw", &draw}}) {
        std::printf("  %s %.3f / %.3f / %.3f / %.3f\n", name, median(samples->action),
                    median(samples->bare), median(samples->oldBare), median(samples->repaint));
    }
    std::printf("  the deal's bare work: durable write %.3f, 15 pictures read %.3f\n",
                median(deal.write), median(deal.bare) - median(deal.write));
    std::printf("  pictures decoded: %d in the %zu timed deals; %d on the table of red threes\n",
                deal.decodes, deal.action.size(), decodes() - decodesBeforeTable);
    return 0;
}
