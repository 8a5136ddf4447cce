#include "Cli.h"

#include "Commands.h"
#include "PasswordInput.h"
#include "access/Password.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "store/ProgramIdentity.h"
#include "text/Utf8.h"

#include <ostream>

namespace kartavel::cli {

namespace {

constexpr std::string_view kFolderInUse =
    "Veri klasörü başka bir Kartavel tarafından kullanılıyor. Önce onu kapatınız...";

const std::vector<CommandSyntax>& commandTable() {
    static const std::vector<CommandSyntax> commands = {
        {"register", 1, 1, {"--name", "--code", "--date", "--group", "--sub", "--media"}, {}},
        {"list", 0, 0, {}, {}},
        {"show", 1, 1, {}, {"--outline", "--long"}},
        {"info", 1, 1, {}, {}},
        {"search", 1, 1, {"--archive", "--group", "--sub"}, {"--whole", "--case", "--no-index"}},
        {"delete", 1, 1, {}, {"--yes"}},
        {"browse", 0, 2, {}, {}},
        {"filter",
         0,
         0,
         {"--name", "--code", "--from", "--to", "--group", "--sub", "--media", "--lent", "--sort"},
         {"--reverse"}},
        {"lend", 1, 1, {"--to", "--date", "--due", "--note"}, {}},
        {"return", 1, 1, {}, {}},
        {"passwd", 0, 0, {}, {}},
        {"index", 0, 0, {}, {"--check"}},
        {"groups", 1, 2, {"--note"}, {"--yes"}},
        {"subgroups", 2, 3, {"--note"}, {"--yes"}},
        {"edit", 1, 1, {"--new-name", "--code", "--date", "--group", "--sub", "--media"}, {}},
    };
    return commands;
}

using Runner = int (*)(Cli&, const Arguments&);

Runner runnerFor(std::string_view command) {
    static const std::pair<std::string_view, Runner> runners[] = {
        {"register", runRegister},   {"list", runList},     {"show", runShow},
        {"search", runSearch},       {"delete", runDelete}, {"browse", runBrowse},
        {"filter", runFilter},       {"lend", runLend},     {"return", runReturn},
        {"passwd", runPasswd},       {"index", runIndex},   {"groups", runGroups},
        {"subgroups", runSubgroups}, {"edit", runEdit},     {"info", runInfo},
    };
    for (const auto& [name, run] : runners)
        if (name == command)
            return run;
    return nullptr;
}

} // namespace

Cli::Cli(Console console) : console_(console) {}

std::string Cli::usage() {
    return R"(Kullanım: kartavel-cli [--data KLASÖR] KOMUT [SEÇENEKLER]

Kartavel kataloğu, komut satırından. Program ile aynı veri klasörünü ve aynı
dosyaları kullanır.

Komutlar:
  register YOL --name AD [--code KOD] [--date YYYY-AA-GG] [--group GRUP]
           [--sub ALTGRUP] [--media dvd|cd|folder]
                               YOL klasörünü tarar, içeriğini arşiv dosyası olarak
                               yazar ve arşivi kaydeder (tarih: bugün, ortam: dvd).
  list                         Arşiv kayıtlarını kayıt sırasıyla listeler:
                               TARİH, ÖZEL KOD, AD, KOD, ORTAM, GRUP, ALT GRUP,
                               EMANET (1/0), aralarında TAB ile.
  show AD [--outline | --long] Arşivin saklanan ağacı: her düğümün yolu, ya da
                               --outline ile arşiv dosyasının kendi satırları;
                               --long ile BOYUT (bayt; klasör: altındakilerin
                               toplamı), TARİH (YYYY-AA-GG SS:DD:SS, yerel saat;
                               klasör: boş), YOL. Ayrıntı bilgisi yoksa boş alanlar.
  info AD                      Arşivin bilgileri, ANAHTAR ve DEĞER satırları:
                               files, folders, bytes, root, scanned, label, serial,
                               filesystem, total, free, details (yes/no). Ortamın
                               vermediği bir değer boştur.
  search METİN [--archive AD] [--whole] [--case] [--group GRUP [--sub ALTGRUP]]
         [--no-index]          Saklanan dosya ve klasör adlarında arar: tek bir
                               arşivde ya da o yerdeki bütün arşivlerde (ad
                               dizinini kullanır; --no-index ile dosyaları okur).
                               Satırlar: ARŞİV, AD, YOL.
  delete AD [--yes]            Arşivi ve arşiv dosyasını siler (onay ister).
  browse [GRUP [ALTGRUP]]      Ana penceredeki listenin o yerde gösterdiği öğeler:
                               SİMGE, AD, ÖZEL KOD, TARİH.
  filter [--name AD] [--code KOD] [--from YYYY-AA-GG] [--to YYYY-AA-GG]
         [--group GRUP] [--sub ALTGRUP] [--media dvd|cd|folder] [--lent yes|no]
         [--sort date|name|code] [--reverse]
                               Arşiv Arama penceresinin listesi: AD, ÖZEL KOD,
                               TARİH, GRUP, ALT GRUP, SİMGE (varsayılan sıra: tarih).
  lend AD --to KİŞİ --date YYYY-AA-GG [--due YYYY-AA-GG] [--note AÇIKLAMA]
                               DVD ya da CD arşivini emanet verir.
  return AD                    Emanet verilen arşivi teslim alır.
  groups list | add GRUP [--note AÇIKLAMA] | delete GRUP [--yes]
                               Grup listesi (GRUB.DB): satırlar GRUP, AÇIKLAMA;
                               ekler ya da grubu alt gruplarıyla birlikte siler.
  subgroups GRUP list | add ALTGRUP [--note AÇIKLAMA] | delete ALTGRUP [--yes]
                               GRUP grubunun alt grupları (ALTGRUB.DB): satırlar
                               ALTGRUP, AÇIKLAMA; ekler ya da siler.
  edit AD [--new-name YENİAD] [--code KOD] [--date YYYY-AA-GG] [--group GRUP]
       [--sub ALTGRUP] [--media dvd|cd|folder]
                               Arşiv kaydını düzenler; ad değişince arşiv
                               dosyası da yeni adı alır.
  passwd                       Program parolasını koyar ya da değiştirir: eski
                               parola (varsa), yeni parola ve tekrarı.
  index [--check]              Aramayı hızlandıran ad dizinini (Data/AdDizini)
                               kurar ya da --check ile yalnız denetler.
                               Satırlar: ARŞİV, DURUM.

Genel seçenekler:
  --data KLASÖR   Veri klasörü (varsayılan: programın yanındaki Data klasörü;
                  kurulu programda ~/.local/share/Kartavel/Data)
  --help          Bu yardımı gösterir
  --version       Sürümü gösterir
  --password-stdin
                  Parolaları uçbirimden değil, standart girdiden satır satır okur

Veri klasöründe parola varsa (dosya.ini) her komut önce onu sorar; yanlış
parola "Şifre Dogrulanamadı..." ile reddedilir.

Çıkış kodları: 0 tamam, 1 katalog reddetti (iletisi hata akışında),
2 kullanım hatası, 3 bir dosya okunamadı ya da yazılamadı.
)";
}

int Cli::fail(ExitCode code, std::string_view message) {
    console_.err << message << '\n';
    return code;
}

int Cli::run(const std::vector<std::string>& argv) {
    const ParseResult parsed = parseArguments(argv, commandTable());
    if (!parsed.error.empty()) {
        console_.err << parsed.error << "\n\n" << usage();
        return kUsage;
    }
    const Arguments& args = parsed.args;
    if (args.listCommands) {
        console_.out << commandList(commandTable());
        return kDone;
    }
    if (args.version) {
        console_.out << identity::kMainTitle << '\n';
        return kDone;
    }
    if (args.help) {
        console_.out << usage();
        return kDone;
    }
    if (args.command.empty()) {
        console_.err << usage();
        return kUsage;
    }
    if (args.dataFolder)
        platform::setDataFolder(
            std::filesystem::absolute(platform::pathFromUtf8(*args.dataFolder)));
    try {
        // passwd asks for the old password itself: that is its gate.
        if (args.command != "passwd")
            if (const int rc = passwordGate(args))
                return rc;
        return runnerFor(args.command)(*this, args);
    } catch (const std::exception& e) {
        // Read and write errors, and anything unforeseen: each command writes its
        // change in one step at its end, so a stop here leaves no half of it.
        return fail(kFileError, e.what());
    } catch (...) {
        return fail(kFileError, platform::kUnexpectedError);
    }
}

int Cli::openCatalogue(bool writing) {
    const auto folder = platform::DataFolder();
    if (!platform::directoryExists(folder))
        return fail(kFileError, "Unable to write to " + platform::utf8FromPath(folder));
    // A reading command needs the lock only when opening may write: when the
    // register is still to be built from a legacy one.
    const bool mayWrite = writing || !platform::fileExists(store::Catalogue::registerPath());
    const bool locked = mayWrite && lock_.tryLock(folder);
    if (writing && !locked && !lock_.heldElsewhere())
        return fail(kFileError, "Unable to write to " + platform::utf8FromPath(folder));
    if (writing && !locked)
        return fail(kRefused, kFolderInUse);
    catalogue_ = std::make_unique<store::Catalogue>();
    catalogue_->open(locked || !mayWrite);
    return kDone;
}

int Cli::lockDataFolder() {
    const auto folder = platform::DataFolder();
    if (!platform::directoryExists(folder))
        return fail(kFileError, "Unable to write to " + platform::utf8FromPath(folder));
    return lock_.tryLock(folder) ? kDone : fail(kRefused, kFolderInUse);
}

int Cli::passwordGate(const Arguments& args) {
    access::TIloStorage IloStorage1 = access::makeIloStorage1();
    access::openStoredValues(IloStorage1);
    if (IloStorage1.ReadValue(access::kPasswordKey).empty())
        return kDone; // no password guards this data folder
    if (!passwordCanBeRead(*this, args.passwordStdin))
        return kUsage;
    const auto entered = readPasswordLine(console_, args.passwordStdin, "Parola : ");
    if (!entered)
        return fail(kUsage, kNoPasswordLine);
    // The login field holds no more than this; a longer line is no typing mistake.
    if (text::characterCount(*entered) > access::kLoginFieldLength)
        return fail(kUsage, "Parola en fazla 16 karakter olabilir...");
    if (access::checkPassword(IloStorage1, *entered) != access::LoginOutcome::LoggedIn)
        return fail(kRefused, access::kPasswordNotVerified);
    return kDone;
}

std::string fieldText(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return s;
}

} // namespace kartavel::cli
