// SPDX-FileCopyrightText: 2026 the Zorvane project
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchfiles.h"

#include "check/fairness.h"
#include "config/languagefile.h"
#include "config/profilereader.h"
#include "shell/browser.h"
#include "shell/randomsource.h"
#include "skin/skinfile.h"
#include "wizard/mainwindow.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <random>

namespace {

class NoFailures : public zv::FailureReporter
{
public:
    void report(const zv::LoadFailure &) override {}
};

class NoBrowser : public zv::BrowserLauncher
{
public:
    bool launch(const QUrl &) override { return true; }
};

void readIniValue(benchmark::State &state, const QByteArray &content)
{
    const QString file = writeBenchFile(QStringLiteral("read.cfg"), content);
    const QString section = QStringLiteral("STARTEND");
    const QString key = QStringLiteral("FINISHED");
    for (auto _ : state)
        benchmark::DoNotOptimize(zv::ReadIniValue(section, key, QString(), file));
    state.SetBytesProcessed(state.iterations() * content.size());
}

void BM_ReadIniValue_FullFile(benchmark::State &state)
{
    readIniValue(state, fullLanguageFile());
}
BENCHMARK(BM_ReadIniValue_FullFile);

void BM_ReadIniValue_1MiB(benchmark::State &state)
{
    readIniValue(state, largeLanguageFile());
}
BENCHMARK(BM_ReadIniValue_1MiB);

void loadLanguage(benchmark::State &state, const QByteArray &content)
{
    const QString file = writeBenchFile(QStringLiteral("zv-load.cfg"), content);
    NoFailures failures;
    for (auto _ : state)
        benchmark::DoNotOptimize(zv::LoadLanguage(file, failures));
}

void BM_LoadLanguage_41x16(benchmark::State &state)
{
    loadLanguage(state, fullLanguageFile());
}
BENCHMARK(BM_LoadLanguage_41x16)->Unit(benchmark::kMillisecond);

void BM_LoadLanguage_1MiB(benchmark::State &state)
{
    loadLanguage(state, largeLanguageFile());
}
BENCHMARK(BM_LoadLanguage_1MiB)->Unit(benchmark::kMillisecond);

// Counts the message boxes a load would show.
void BM_LoadLanguage_Hostile5MB(benchmark::State &state)
{
    const QString file = writeBenchFile(QStringLiteral("zv-hostile.cfg"), hostileLanguageFile());
    int boxes = 0;
    for (auto _ : state) {
        boxes = 0;
        zv::LoadFailureReporter failures([&boxes](const QString &) { ++boxes; });
        benchmark::DoNotOptimize(zv::LoadLanguage(file, failures));
        failures.finish();
    }
    state.counters["message_boxes"] = boxes;
}
BENCHMARK(BM_LoadLanguage_Hostile5MB)->Unit(benchmark::kMillisecond);

void BM_LoadSkin(benchmark::State &state)
{
    const QString file = writeBenchFile(QStringLiteral("skin-load.cfg"), fullSkinFile());
    NoFailures failures;
    for (auto _ : state) {
        zv::SkinSettings skin;
        zv::LoadSkin(skin, file, failures);
        benchmark::DoNotOptimize(skin);
    }
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMicrosecond);

// A started main window on the benchmark's full files.
class StartedWindow
{
public:
    StartedWindow()
    {
        writeBenchFile(QStringLiteral("zv.cfg"), fullLanguageFile());
        writeBenchFile(QStringLiteral("skin.cfg"), fullSkinFile());
        zv::ProgramServices services;
        services.programDir = benchDir();
        services.files = zv::filesBesideProgram(benchDir());
        services.launcher = &m_browser;
        services.showMessage = [](const QString &) {};
        services.random = &m_random;
        services.clockSeed = [] { return 0u; };
        services.quit = [] {};
        services.showModal = [](QDialog &) {};
        window = std::make_unique<zv::frmZVS>(services);
        window->Form_Load();
        next = window->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    }

    std::unique_ptr<zv::frmZVS> window;
    QPushButton *next = nullptr;

private:
    NoBrowser m_browser;
    zv::RandomSource m_random;
};

// The window's start-up work alone, on the offscreen platform: creating
// the window and its load, shown to no one.
void BM_StartWindow(benchmark::State &state)
{
    for (auto _ : state)
        StartedWindow started;
}
BENCHMARK(BM_StartWindow)->Unit(benchmark::kMillisecond);

void BM_NextAnswer_41Engines(benchmark::State &state)
{
    StartedWindow started;
    started.next->click();  // leaves the start layout
    for (auto _ : state) {
        if (started.window->wizard().finished()) {
            state.PauseTiming();
            started.window->findChild<QAction *>(QStringLiteral("fmnuNew"))->trigger();
            started.next->click();
            state.ResumeTiming();
        }
        started.next->click();
    }
}
BENCHMARK(BM_NextAnswer_41Engines)->Unit(benchmark::kMicrosecond);

void BM_SetLayout(benchmark::State &state)
{
    StartedWindow started;
    std::int16_t layout = 0;
    for (auto _ : state) {
        started.window->SetLayout(layout);
        layout = std::int16_t((layout + 1) % 3);
    }
}
BENCHMARK(BM_SetLayout)->Unit(benchmark::kMicrosecond);

// Rewriting the list alone, after a few answers so every row has reasons.
void BM_WriteResults_41Engines(benchmark::State &state)
{
    StartedWindow started;
    for (int press = 0; press < 4; ++press)
        started.next->click();
    for (auto _ : state)
        started.window->WriteResults();
}
BENCHMARK(BM_WriteResults_41Engines)->Unit(benchmark::kMicrosecond);

// What resting the pointer on one row costs: its tooltip and description.
void BM_RowReasons(benchmark::State &state)
{
    StartedWindow started;
    for (int press = 0; press < 4; ++press)
        started.next->click();
    const QListWidget *list = started.window->findChild<QListWidget *>(u"lstEngines"_qs);
    for (auto _ : state) {
        benchmark::DoNotOptimize(list->item(0)->data(Qt::ToolTipRole));
        benchmark::DoNotOptimize(list->item(0)->data(Qt::AccessibleDescriptionRole));
    }
}
BENCHMARK(BM_RowReasons)->Unit(benchmark::kMicrosecond);

// The checker's fairness report at the tables' limits: 16 questions, the 37
// engines the matrix holds rows for with rows of their own (numbers -2..2 at
// random, as a file gives them), and 4 engines with empty rows.
void BM_Fairness_16Questions(benchmark::State &state, zv::AnswerSets sets)
{
    zv::LanguageTables tables;
    tables.EngineCount = 41;
    tables.QuestionCount = 16;
    std::mt19937 random(7);
    for (int i = 0; i < 37 * 16; ++i)
        tables.Matrix[std::size_t(i)] = (int(random() % 5) - 2) / 2.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(zv::ComputeFairness(tables, sets));
}
BENCHMARK_CAPTURE(BM_Fairness_16Questions, YesNo, zv::AnswerSets::YesNo)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fairness_16Questions, WithSkips, zv::AnswerSets::WithSkips)
    ->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
