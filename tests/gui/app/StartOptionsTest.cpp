#include "app/StartOptions.h"

#include <QtTest>

using kartavel::gui::parseStartOptions;

class StartOptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTheCommandLine() {
        const QString here = QString::fromStdString(std::filesystem::current_path().string());
        struct Case {
            QStringList words;
            QString dataFolder; // empty: none
            bool help, version;
            QString error;
        };
        const Case cases[] = {
            {{}, {}, false, false, {}},
            {{QStringLiteral("--data"), QStringLiteral("/media/usb/Data")},
             QStringLiteral("/media/usb/Data"),
             false,
             false,
             {}},
            {{QStringLiteral("--data=/media/usb/Veri Klasörü")},
             QStringLiteral("/media/usb/Veri Klasörü"),
             false,
             false,
             {}},
            {{QStringLiteral("--data"), QStringLiteral("Data")},
             here + QStringLiteral("/Data"),
             false,
             false,
             {}},
            {{QStringLiteral("--help")}, {}, true, false, {}},
            {{QStringLiteral("-h")}, {}, true, false, {}},
            {{QStringLiteral("--version")}, {}, false, true, {}},
            {{QStringLiteral("--data")},
             {},
             false,
             false,
             QStringLiteral("--data için bir klasör verilmeli")},
            {{QStringLiteral("--data=")},
             {},
             false,
             false,
             QStringLiteral("--data için bir klasör verilmeli")},
            {{QStringLiteral("--database")},
             {},
             false,
             false,
             QStringLiteral("Bilinmeyen seçenek: --database")},
            {{QStringLiteral("belge.txt")},
             {},
             false,
             false,
             QStringLiteral("Bilinmeyen seçenek: belge.txt")},
        };
        for (const Case& c : cases) {
            const auto o = parseStartOptions(c.words);
            const QByteArray line = c.words.join(u' ').toUtf8();
            QVERIFY2(o.error == c.error, line.constData());
            QVERIFY2(o.help == c.help && o.version == c.version, line.constData());
            QVERIFY2(o.dataFolder.has_value() == !c.dataFolder.isEmpty(), line.constData());
            if (o.dataFolder)
                QCOMPARE(QString::fromStdString(o.dataFolder->string()), c.dataFolder);
        }
    }
};

QTEST_MAIN(StartOptionsTest)
#include "StartOptionsTest.moc"
