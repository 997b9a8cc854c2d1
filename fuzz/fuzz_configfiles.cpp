// Feeds arbitrary bytes to the loaders as a language file and as a skin
// file: whatever a file holds, loading must neither crash nor read or write
// outside the tables, and the wizard must run on what was loaded.
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "skin/skinfile.h"
#include "wizard/scoring.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

class CountingReporter : public zv::FailureReporter
{
public:
    void report(const QString &) override { ++failures; }
    int failures = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.cfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    CountingReporter failures;
    const zv::LanguageTables tables = zv::LoadLanguage(path, failures).tables;
    zv::ScoreTables scores;
    zv::ResetScores(scores, tables);
    for (int q = 0; q < tables.questions(); ++q)
        zv::RescoreEngines(scores, tables, q, q % 2 ? 1 : -1);
    zv::SortEngines(scores, tables);
    (void)zv::ResultLines(scores, tables);

    zv::SkinSettings skin;
    zv::LoadSkin(skin, path, failures);
    (void)zv::withDefaultsForUnread(skin);
    return 0;
}
