// Writes and loads a register of many records, timing both.
//   bench_register [RECORDS] [FOLDER]
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

using namespace kartavel::store;

int main(int argc, char** argv) {
    const int records = argc > 1 ? std::stoi(argv[1]) : 100000;
    const std::filesystem::path folder =
        argc > 2 ? argv[2] : std::filesystem::temp_directory_path();
    const auto path = folder / "ARSIV_Y.DB";

    RecordTable t(schemas::KayitOrj_T());
    t.open();
    for (int i = 0; i < records; ++i) {
        t.append();
        t.setDate(0, 40000 + i % 5000);
        t.setString(1, "ÖK-" + std::to_string(i));
        t.setString(2, "Arşiv " + std::to_string(i));
        t.setInteger(3, i + 1);
        t.setString(4, std::to_string(i % 3));
        t.setString(5, "Grup " + std::to_string(i % 40));
        if (i % 4)
            t.setString(6, "Alt grup " + std::to_string(i % 7));
        t.post();
    }

    using clock = std::chrono::steady_clock;
    auto ms = [](clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };

    const auto s0 = clock::now();
    RxMemorySaveToFile(t, path);
    const auto s1 = clock::now();

    RecordTable back(schemas::KayitOrj_T());
    const auto l0 = clock::now();
    RxMemoryLoadFromFile(back, path);
    const auto l1 = clock::now();

    std::printf("records %d, file %s, %ju bytes\n", back.recordCount(), path.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
    std::printf("save %.1f ms\nload %.1f ms\n", ms(s1 - s0), ms(l1 - l0));
    return back.recordCount() == records ? 0 : 1;
}
