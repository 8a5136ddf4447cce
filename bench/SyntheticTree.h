#pragma once

// A synthetic disc tree, the same for everyone who asks with the same seed: a few
// top folders, a skewed split of the files below them, folders of a handful of
// documents next to folders of hundreds of photos, depths mostly 3 to 8 (at most
// 12), names with spaces, digits and Turkish letters.

#include <cstddef>
#include <functional>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace kartavel::bench {

class SyntheticTree {
public:
    using Visit = std::function<void(const std::string& relativePath, bool folder)>;

    explicit SyntheticTree(unsigned seed) : rng_(seed) {}

    // Calls `visit` for every folder (before what it holds) and every file, with
    // paths relative to the tree's top joined by "/"; exactly `files` files.
    void generate(std::size_t files, const Visit& visit) { fill("", 0, files, visit); }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    std::size_t filesHere() {
        const std::size_t u = pick(100);
        if (u < 10)
            return 0;
        if (u < 70)
            return 1 + pick(15);
        if (u < 95)
            return 16 + pick(65);
        return 81 + pick(320);
    }

    std::string name(bool folder, bool photos) {
        static const std::vector<std::string> words = {
            "belgeler",      "rapor",   "fotoğraf", "müzik",    "proje",  "yedek", "arşiv",
            "ödev",          "sunum",   "tatil",    "çalışma",  "şirket", "video", "data",
            "src",           "include", "lib",      "docs",     "backup", "final", "taslak",
            "yeni",          "eski",    "kitap",    "ders",     "notlar", "Setup", "drivers",
            "fonts",         "images",  "Ünite",    "İstanbul", "gezi",   "Düğün", "faturalar",
            "Program Files", "oyunlar", "resimler"};
        static const std::vector<std::string> extensions = {
            ".jpg", ".mp3", ".doc", ".pdf", ".txt", ".avi", ".xls", ".zip",
            ".png", ".htm", ".exe", ".dll", ".h",   ".c",   ".ini", ".wav"};
        if (photos)
            return "DSC_" + std::to_string(1000 + pick(9000)) + ".JPG";
        std::string n = words[pick(words.size())];
        switch (pick(4)) {
        case 0:
            n += " " + std::to_string(1990 + pick(35));
            break;
        case 1:
            n += "_" + words[pick(words.size())];
            break;
        case 2:
            n += "-" + std::to_string(pick(100));
            break;
        default:
            break;
        }
        if (!folder)
            n += extensions[pick(extensions.size())];
        return n;
    }

    // A name not yet used in the folder.
    std::string uniqueName(std::unordered_set<std::string>& used, bool folder, bool photos) {
        std::string n = name(folder, photos);
        for (int i = 2; !used.insert(n).second; ++i)
            n = name(folder, photos) + " (" + std::to_string(i) + ")";
        return n;
    }

    void fill(const std::string& folder, int depth, std::size_t budget, const Visit& visit) {
        std::unordered_set<std::string> used;
        std::size_t here = std::min(budget, filesHere());
        std::size_t rest = budget - here;
        if (depth >= 12 || (depth > 0 && rest < 12)) {
            here = budget;
            rest = 0;
        }
        const bool photos = here > 80 && pick(2) == 0;
        const std::string prefix = folder.empty() ? "" : folder + "/";
        for (std::size_t i = 0; i < here; ++i)
            visit(prefix + uniqueName(used, false, photos), false);
        if (rest == 0)
            return;

        // A skewed split: a few large sub-folders and several small ones.
        const std::size_t k = 2 + pick(std::min<std::size_t>(14, 1 + rest / 8));
        std::vector<double> weights(k);
        double sum = 0;
        std::exponential_distribution<double> skew(1.0);
        for (auto& w : weights)
            sum += (w = skew(rng_));
        std::vector<std::size_t> share(k);
        std::size_t given = 0;
        for (std::size_t i = 0; i < k; ++i)
            given += (share[i] = static_cast<std::size_t>(rest * (weights[i] / sum)));
        share[pick(k)] += rest - given;
        for (std::size_t i = 0; i < k; ++i) {
            const std::string sub = prefix + uniqueName(used, true, false);
            visit(sub, true);
            fill(sub, depth + 1, share[i], visit);
        }
    }

    std::mt19937_64 rng_;
};

} // namespace kartavel::bench
