#include "StartOptions.h"

#include "platform/FileSystem.h"

namespace kartavel::gui {

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            o.help = true;
        } else if (word == QLatin1String("--version")) {
            o.version = true;
        } else if (word == QLatin1String("--data") || word.startsWith(QLatin1String("--data="))) {
            QString folder;
            if (word.size() > 6)
                folder = word.mid(7);
            else if (i + 1 < arguments.size())
                folder = arguments[++i];
            if (folder.isEmpty()) {
                o.error = QStringLiteral("--data için bir klasör verilmeli");
                return o;
            }
            o.dataFolder = std::filesystem::absolute(platform::pathFromUtf8(folder.toStdString()));
        } else {
            o.error = QStringLiteral("Bilinmeyen seçenek: ") + word;
            return o;
        }
    }
    return o;
}

QString startUsage() {
    return QStringLiteral(
        "Kullanım: kartavel [--data KLASÖR]\n"
        "\n"
        "Kartavel, çıkarılabilir ortam ve klasör kataloğu.\n"
        "\n"
        "Seçenekler:\n"
        "  --data KLASÖR   Veri klasörü (varsayılan: programın yanındaki Data klasörü;\n"
        "                  kurulu programda ~/.local/share/Kartavel/Data)\n"
        "  --help          Bu yardımı gösterir\n"
        "  --version       Sürümü gösterir\n");
}

} // namespace kartavel::gui
