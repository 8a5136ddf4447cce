// The capture windows at full size, offscreen: registering a disc tree through the
// new-archive window against the core's scan and write, opening a large archive in
// the viewer from the main window's command, and searching a million stored names
// through the search window, with a stop pressed mid-way.
//   bench_capture_windows TREE [WORKDIR=/tmp/kartavel-bench-windows] [PART]
// TREE is the synthetic disc tree of make_tree (500,000 files); PART is register,
// viewer or search, all three when it is not given.
#include "SyntheticTree.h"

#include "app/ModalForms.h"
#include "app/Prompter.h"
#include "app/TAnaF.h"
#include "capture/ArchiveDetails.h"
#include "capture/ContentFile.h"
#include "capture/ContentSearch.h"
#include "capture/IloFindFile.h"
#include "capture/PathOrder.h"
#include "capture/SearchResultModel.h"
#include "capture/TK_FindF.h"
#include "capture/TK_GoruntuleF.h"
#include "capture/TK_YeniArsivF.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "widgets/TDirectoryEdit.h"
#include "widgets/TILOProgress.h"
#include "widgets/TIloWinButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

using namespace kartavel;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Takes every message box's text without showing it, and notes when it came.
class QuietPrompter : public gui::Prompter {
public:
    void showInfo(QWidget*, const QString& text) override { note(text); }
    bool askQuestion(QWidget*, const QString& text) override {
        note(text);
        return true;
    }
    void showError(QWidget*, const QString& text) override { note(text); }

    QString last;
    Clock::time_point at;

private:
    void note(const QString& text) {
        at = Clock::now();
        last = text;
    }
};

// Watches the event loop during a long command: a 5 ms timer fires whenever
// pending events run, and each firing notes the time and what the gauge shows.
class EventWatch {
public:
    explicit EventWatch(const gui::TILOProgress* gauge) : gauge_(gauge) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            if (seconds(last_, now) > maxGap_) {
                maxGap_ = seconds(last_, now);
                gapEnd_ = seconds(start_, now);
            }
            last_ = now;
            ++passes_;
            positions_.insert(gauge_->position());
        });
    }
    void start() {
        start_ = last_ = Clock::now();
        timer_.start();
    }
    void stop() {
        if (seconds(last_, Clock::now()) > maxGap_) {
            maxGap_ = seconds(last_, Clock::now());
            gapEnd_ = seconds(start_, Clock::now());
        }
        timer_.stop();
    }
    // When the longest gap ended, from the start.
    double gapEnd() const { return gapEnd_; }
    int passes() const { return passes_; }
    double maxGap() const { return maxGap_; }
    std::size_t positions() const { return positions_.size(); }

private:
    const gui::TILOProgress* gauge_;
    QTimer timer_;
    Clock::time_point start_, last_;
    double maxGap_ = 0, gapEnd_ = 0;
    int passes_ = 0;
    std::set<double> positions_;
};

void freshDataFolder(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    platform::setDataFolder(folder);
}

void registerArchives(const std::vector<std::string>& names) {
    store::Catalogue c;
    c.open();
    for (const auto& n : names) {
        c.KayitOrj_T.append();
        c.KayitOrj_T.setString(store::columns::ARSIV_ADI, n);
        c.KayitOrj_T.post();
    }
    c.saveRegister();
}

// A synthetic disc of `files` files, as the catalogue stores it; its node count.
std::size_t writeDisc(const std::filesystem::path& file, unsigned seed, std::size_t files) {
    std::vector<std::string> paths;
    bench::SyntheticTree(seed).generate(files, [&](const std::string& rel, bool folder) {
        if (!folder)
            paths.push_back("/media/disc/" + rel);
    });
    capture::sortPaths(paths);
    capture::writeContentFile(file, paths);
    return capture::loadContentFile(file).tree.size();
}

void benchRegister(const std::string& tree, const std::filesystem::path& work) {
    QuietPrompter prompter;
    gui::setPrompter(&prompter);
    double core = 1e9, best = 1e9, gap = 0, gapEnd = 0;
    std::size_t files = 0, positions = 0;
    int passes = 0;
    // The core and the window take turns, so that both meet the same load.
    for (int i = 0; i < 3; ++i) {
        auto t0 = Clock::now();
        capture::TIloFindFile scanner = capture::TIloFindFile::IloFindFile1();
        scanner.CurDirectory = tree;
        scanner.ScanFiles(false, true);
        capture::writeContentFile(work / "core.ADS", scanner.FileList);
        core = std::min(core, seconds(t0, Clock::now()));
        files = scanner.FileList.size();

        freshDataFolder(work / "register");
        store::Catalogue catalogue;
        catalogue.open();
        gui::TK_YeniArsivF window(catalogue);
        window.show();
        QApplication::processEvents();
        window.DirectoryEdit1()->setText(QString::fromStdString(tree));
        window.EditADI()->setText(QStringLiteral("Disk"));
        EventWatch watch(window.ILOProgress1());
        watch.start();
        t0 = Clock::now();
        window.IloWinButton1()->click();
        const double wall = seconds(t0, prompter.at);
        watch.stop();
        if (wall < best) {
            best = wall;
            gap = watch.maxGap();
            gapEnd = watch.gapEnd();
            passes = watch.passes();
            positions = watch.positions();
        }
    }
    gui::setPrompter(nullptr);
    std::printf("register %zu files: core scan and write %.3f s\n", files, core);
    std::printf("  through the window %.3f s (%.2f x core), \"%s\"\n", best, best / core,
                prompter.last.toUtf8().constData());
    std::printf("  %d event passes, longest gap %.0f ms (ending at %.3f s), %zu gauge positions "
                "seen\n",
                passes, gap * 1000, gapEnd, positions);
}

void benchViewer(const std::filesystem::path& work) {
    freshDataFolder(work / "viewer");
    const std::size_t nodes = writeDisc(platform::dataFile("Disk.ADS"), 1, 500000);
    {
        // Its details, every file with a size and a time, as a registration writes them.
        const auto content = *platform::readWholeFile(platform::dataFile("Disk.ADS"));
        const auto tree = capture::parseContentFile(content).tree;
        std::vector<capture::FileFacts> files;
        std::vector<std::uint32_t> owners;
        for (std::size_t n = 0; n < tree.size(); ++n) {
            if (tree.hasChildren(n)) {
                owners.push_back(capture::kNoFile);
                continue;
            }
            owners.push_back(static_cast<std::uint32_t>(files.size()));
            files.push_back(
                {n * 1000, 1700000000 + static_cast<std::int64_t>(n), capture::facts::Known});
        }
        platform::replaceFileAtomically(
            platform::dataFile("Disk.ADT"),
            capture::detailsFileBytes(capture::fingerprintOf(content), {}, files, owners));
    }
    registerArchives({"Disk"});
    QuietPrompter prompter;
    gui::setPrompter(&prompter);
    gui::TAnaF main;
    main.show();
    QApplication::processEvents();
    main.ListView1Click(0);
    double best = 1e9;
    Clock::time_point shown;
    bool withDetails = false;
    gui::setModalDriver([&](QDialog* d) {
        d->repaint(); // the whole window painted: banner, tree and list
        shown = Clock::now();
        const auto* viewer = qobject_cast<gui::TK_GoruntuleF*>(d);
        withDetails = viewer && viewer->details();
        d->close();
    });
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        main.IloWinButton2Click();
        best = std::min(best, seconds(t0, shown));
    }
    gui::setModalDriver({});
    main.close();
    gui::setPrompter(nullptr);
    std::printf("viewer, archive of %zu nodes%s: command to painted window %.3f s\n", nodes,
                withDetails ? " with details" : " WITHOUT DETAILS", best);
}

void benchSearch(const std::filesystem::path& work) {
    freshDataFolder(work / "search");
    std::size_t names = 0;
    std::vector<std::string> archives;
    for (unsigned seed = 1; names < 1000000; ++seed) {
        archives.push_back("Disk " + std::to_string(seed));
        names += writeDisc(platform::dataFile(archives.back() + ".ADS"), seed,
                           std::min<std::size_t>(250000, (1000000 - names) * 9 / 10 + 100));
    }
    registerArchives(archives);
    QuietPrompter prompter;
    gui::setPrompter(&prompter);
    gui::TAnaF main;
    main.show();
    QApplication::processEvents();

    gui::TK_FindF window(1, nullptr, &main);
    window.show();
    QApplication::processEvents();
    window.EditKLM()->setText(QStringLiteral("rapor"));
    double core = 1e9, best = 1e9;
    int rows = 0;
    for (int i = 0; i < 3; ++i) {
        auto t0 = Clock::now();
        capture::searchAllArchives(main.catalogue.KayitOrj_T, {}, "rapor", false, false);
        core = std::min(core, seconds(t0, Clock::now()));
        t0 = Clock::now();
        window.IloWinButton1()->click();
        best = std::min(best, seconds(t0, prompter.at));
        rows = window.results()->rowCount();
    }
    std::printf("search, %zu names in %zu archives: core %.3f s; through the window, \"Ara\" "
                "to the finish message %.3f s (%.2f x core), %d rows\n",
                names, archives.size(), core, best, best / core, rows);

    // "Durdur" at a quarter, half and three quarters of the way: a 1 ms timer,
    // served whenever the search lets events run, presses it once that time has
    // passed.
    for (double part : {0.25, 0.5, 0.75}) {
        std::optional<Clock::time_point> pressed;
        Clock::time_point started;
        QTimer press;
        press.setInterval(1);
        QObject::connect(&press, &QTimer::timeout, [&] {
            if (!pressed && window.searching() && seconds(started, Clock::now()) >= best * part) {
                pressed = Clock::now();
                window.IloWinButton3()->click();
            }
        });
        press.start();
        started = Clock::now();
        window.IloWinButton1()->click();
        if (!pressed) {
            std::printf("  \"Durdur\" at %.0f%%: the search ended first\n", part * 100);
            continue;
        }
        std::printf("  \"Durdur\" at %.0f%%: \"%s\" %.1f ms after the press, %d rows kept\n",
                    part * 100, prompter.last.toUtf8().constData(),
                    seconds(*pressed, prompter.at) * 1000, window.results()->rowCount());
    }
    main.close();
    gui::setPrompter(nullptr);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_capture_windows TREE [WORKDIR]\n");
        return 2;
    }
    const std::filesystem::path work = argc > 2 ? argv[2] : "/tmp/kartavel-bench-windows";
    std::filesystem::create_directories(work);
    const std::string part = argc > 3 ? argv[3] : "";
    if (part.empty() || part == "register")
        benchRegister(argv[1], work);
    if (part.empty() || part == "viewer")
        benchViewer(work);
    if (part.empty() || part == "search")
        benchSearch(work);
    std::filesystem::remove_all(work);
    return 0;
}
