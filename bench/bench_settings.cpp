// The customer directory at a size far beyond real use: 10,000 organisations with three contact
// persons each, 40,000 records, 200,001 lines. Every operation should stay well under 100 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "storage/settingsfile.h"

namespace {

constexpr int kOrganisations = 10'000;
constexpr int kContactsEach = 3;

QString OrgName(int i) {
    return QStringLiteral("ООО «Организация %1»").arg(i);
}

QStringList BigFileLines() {
    QStringList lines;
    lines.reserve(kOrganisations * (kContactsEach + 1) * TSettingsFile::kRecordLines + 1);
    int record = 0;
    for (int org = 0; org < kOrganisations; ++org) {
        for (int c = 0; c <= kContactsEach; ++c, ++record) {
            const QString n = QString::number(record);
            lines << QStringLiteral("Org_Name") + n + u'=' + OrgName(org)
                  << QStringLiteral("Phone") + n + QStringLiteral("=(000) 111-22-33")
                  << QStringLiteral("Fax") + n + QStringLiteral("=(000) 111-22-34")
                  << QStringLiteral("E-mail") + n + QStringLiteral("=info@example.ru")
                  << QStringLiteral("Name") + n + u'=' +
                         (c == 0 ? QString() : QStringLiteral("Контактное лицо %1").arg(c));
        }
    }
    lines << QStringLiteral("N_ORDER=1234");
    return lines;
}

// The file on disk, written once for all benchmarks.
struct BigFile {
    BigFile() : lines(BigFileLines()) { settings::Save(dir.path(), TSettingsFile(lines)); }

    QTemporaryDir dir;
    QStringList lines;
};

const BigFile& Big() {
    static const BigFile file;
    return file;
}

const QString kMiddle = OrgName(kOrganisations / 2);

void BM_SettingsLoad(benchmark::State& state) {
    const QString folder = Big().dir.path();
    for (auto _ : state) {
        settings::Loaded loaded = settings::Load(folder);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_SettingsLoad)->Unit(benchmark::kMillisecond);

void BM_SettingsListOrganisations(benchmark::State& state) {
    const TSettingsFile file(Big().lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.ListOrganisations());
    }
}
BENCHMARK(BM_SettingsListOrganisations)->Unit(benchmark::kMillisecond);

void BM_SettingsListContacts(benchmark::State& state) {
    const TSettingsFile file(Big().lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.ListContacts(kMiddle));
    }
}
BENCHMARK(BM_SettingsListContacts)->Unit(benchmark::kMillisecond);

void BM_SettingsFindContactDetails(benchmark::State& state) {
    const TSettingsFile file(Big().lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.FindContactDetails(kMiddle));
    }
}
BENCHMARK(BM_SettingsFindContactDetails)->Unit(benchmark::kMillisecond);

// A changing operation on a fresh copy each time; making the copy is not timed.
template <typename Change>
void TimeChange(benchmark::State& state, Change change) {
    for (auto _ : state) {
        state.PauseTiming();
        QStringList lines = Big().lines;
        lines.detach();  // a list of its own, as after loading
        TSettingsFile file(std::move(lines));
        state.ResumeTiming();
        change(file);
        benchmark::DoNotOptimize(file);
    }
}

void BM_SettingsDeleteContact(benchmark::State& state) {
    TimeChange(state,
               [](TSettingsFile& file) { file.DeleteContact(kMiddle, QStringLiteral("Контактное лицо 2")); });
}
BENCHMARK(BM_SettingsDeleteContact)->Unit(benchmark::kMillisecond);

void BM_SettingsDeleteOrganisation(benchmark::State& state) {
    TimeChange(state, [](TSettingsFile& file) { file.DeleteOrganisation(kMiddle); });
}
BENCHMARK(BM_SettingsDeleteOrganisation)->Unit(benchmark::kMillisecond);

void BM_SettingsAddOrganisation(benchmark::State& state) {
    TimeChange(state, [](TSettingsFile& file) {
        file.AddOrganisation(QStringLiteral("ООО «Новая»"), QStringLiteral("(000) 000-00-00"), QString(),
                             QString());
    });
}
BENCHMARK(BM_SettingsAddOrganisation)->Unit(benchmark::kMillisecond);

// What the customer dialog does on "add": load the file, add, write it back.
void BM_SettingsAddOrganisationToFile(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        settings::Save(dir.path(), TSettingsFile(Big().lines));
        state.ResumeTiming();
        benchmark::DoNotOptimize(settings::AddOrganisation(dir.path(), QStringLiteral("ООО «Новая»"),
                                                           QStringLiteral("(000) 000-00-00"), QString(),
                                                           QString()));
    }
}
BENCHMARK(BM_SettingsAddOrganisationToFile)->Unit(benchmark::kMillisecond);

}  // namespace
