#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "DamageMap.h"
#include "HistoryPage.h"
#include "PagesRig.h"
#include "ReportExport.h"
#include "ReportHistory.h"
#include "ReportViewer.h"
#include "ReportsMethods.h"

namespace quorvex::test {
namespace {

constexpr std::int64_t GiB = 1024LL * 1024 * 1024;

// Answers the save question with the names given, then with "cancelled".
class ScriptedSaveNames final : public SaveFileNames {
  public:
    std::vector<std::string> names;
    std::string askSaveName(const std::string&, const std::string&, const std::string&) override {
        if (names.empty()) return {};
        std::string name = names.front();
        names.erase(names.begin());
        return name;
    }
};

DamageRecord damaged(const std::string& source, std::int64_t size, std::vector<ByteRange> ranges) {
    DamageRecord record;
    record.source = source;
    record.File1Size = size;
    record.ranges = std::move(ranges);
    for (const ByteRange& range : record.ranges) record.lostBytes += range.size();
    return record;
}

class ReportViewerTest : public PagesRig {
  protected:
    // Stores a run with the damaged files and returns its record number.
    std::int64_t store(std::vector<DamageRecord> files, std::int32_t notCopied = 0) {
        RunReport report;
        report.startedAt = report.endedAt = 1700000000;
        report.outcome = notCopied > 0 ? RunOutcome::Paused : RunOutcome::Completed;
        report.Items_Count = 3;
        report.ItemsNotCopied_Count = notCopied;
        report.CorruptedFilesCount = static_cast<std::int32_t>(files.size());
        report.TotalCopiedBytes = 6 * 1024 * 1024;
        report.TotalLostBytes = 16384;
        report.job.source = root() + "data/";
        report.job.destination = root() + "out/";
        for (std::int32_t item = 0; item < 3; ++item) {
            JobRecord record;
            record.item.FileName = root() + "data/f" + std::to_string(item);
            report.job.items.push_back(record);
        }
        report.damaged = std::move(files);
        return ReportHistory(services.historyPath).append(report);
    }
    QString reference(std::int64_t number) const {
        return QString::fromStdString(
            ReportsMethods::ViewerReference(services.historyPath, number));
    }
    std::vector<QString> summaryValues() const {
        std::vector<QString> values;
        for (const auto* label : viewer.findChildren<QLabel*>())
            if (label->textInteractionFlags() & Qt::TextSelectableByMouse)
                values.push_back(label->text());
        return values;
    }

    ScriptedSaveNames saveNames;
    ReportViewer viewer{prompts, state.Lang_MainText, saveNames};
};

// Where the map must be red and where it must stay the file's colour, as fractions of a bar,
// and how many of the bar's 600 pixel columns are red.
struct MapCase {
    const char* name;
    DamageRecord file;
    std::vector<double> red;
    std::vector<double> clear;
    int redColumns;
};

TEST_F(ReportViewerTest, TheDamageMapMarksLostRangesToScaleAndTinyOnesStillShow) {
    const std::vector<MapCase> cases{
        {"second quarter", damaged("/q", 1000, {{251, 500}}), {0.30, 0.45}, {0.1, 0.6, 0.9}, 150},
        {"two ranges",
         damaged("/t", 100, {{1, 10}, {91, 100}}),
         {0.0, 0.05, 0.95, 0.999},
         {0.5},
         120},
        {"8 KiB of 4 GiB",
         damaged("/h", 4 * GiB, {{2 * GiB, 2 * GiB + 8191}}),
         {0.5},
         {0.4, 0.6},
         DamageMap::MinimumMark},
        {"nothing lost", damaged("/n", 5000, {}), {}, {0.0, 0.25, 0.5, 0.75, 0.999}, 0},
    };
    std::vector<DamageRecord> files;
    for (const MapCase& mapCase : cases) files.push_back(mapCase.file);
    DamageMap map;
    map.setFiles(files);
    map.resize(616, map.sizeHint().height());
    const QImage image = map.grab().toImage();
    ASSERT_EQ(map.barRect(0).width(), 600);

    for (int row = 0; row < static_cast<int>(cases.size()); ++row) {
        const MapCase& mapCase = cases[static_cast<std::size_t>(row)];
        const QRect bar = map.barRect(row);
        const int y = bar.center().y();
        const auto at = [&](double fraction) {
            return image.pixelColor(bar.left() + static_cast<int>(fraction * (bar.width() - 1)), y);
        };
        for (double fraction : mapCase.red)
            EXPECT_EQ(at(fraction), DamageMap::LostColour) << mapCase.name << " at " << fraction;
        for (double fraction : mapCase.clear)
            EXPECT_EQ(at(fraction), DamageMap::FileColour) << mapCase.name << " at " << fraction;
        int redColumns = 0;
        for (int x = bar.left(); x <= bar.right(); ++x)
            redColumns += image.pixelColor(x, y) == DamageMap::LostColour ? 1 : 0;
        EXPECT_EQ(redColumns, mapCase.redColumns) << mapCase.name;
    }
}

TEST_F(ReportViewerTest, ShowsTheSummaryAndEveryDamagedFileWithItsRanges) {
    const std::int64_t number =
        store({damaged("/disk/a.bin", 4 * GiB, {{1, 8192}, {GiB, GiB + 99}}),
               damaged("/disk/b.bin", 300, {{5, 5}})},
              2);
    viewer.setReportMtx(reference(number));
    ASSERT_TRUE(viewer.Show(0));

    const std::vector<QString> values = summaryValues();
    for (const QString& expected :
         {QString::fromStdString(root() + "data/"), QString::fromStdString(root() + "out/"),
          QString("Paused, can be continued"), QString("3 file(s)"), QString("2 file(s)"),
          QString("6 Mb"), QString("16 Kb")})
        EXPECT_NE(std::find(values.begin(), values.end(), expected), values.end())
            << expected.toStdString();
    const auto* ranges = viewer.findChild<QTreeWidget*>("DamagedRanges");
    ASSERT_EQ(ranges->topLevelItemCount(), 2);
    EXPECT_EQ(ranges->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(ranges->topLevelItem(1)->child(0)->text(0), "5 - 5 (1 b)");
    EXPECT_EQ(viewer.windowTitle(), "Recovery report");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ReportViewerTest, SavesTextAndCsvWholeWithAwkwardPathsQuoted) {
    const std::string awkward = "/disk/a, \"b\"\nc.bin";
    viewer.setReportMtx(reference(store(
        {damaged(awkward, 1000, {{1, 10}, {500, 999}}), damaged("/disk/plain", 20, {{20, 20}})})));
    ASSERT_TRUE(viewer.Show(0));
    saveNames.names = {data.path() + "report.csv", data.path() + "report.txt"};
    viewer.findChild<QPushButton*>("SaveCsv")->click();
    viewer.findChild<QPushButton*>("SaveText")->click();

    EXPECT_EQ(data.read("report.csv"),
              "path,first byte,last byte,bytes\r\n"
              "\"/disk/a, \"\"b\"\"\nc.bin\",1,10,10\r\n"
              "\"/disk/a, \"\"b\"\"\nc.bin\",500,999,500\r\n"
              "/disk/plain,20,20,1\r\n");
    const std::string text = data.read("report.txt");
    for (const char* part : {"Recovery report", "Result: Completed", "a, \"b\"\nc.bin (1000 b)",
                             "    500 - 999 (500 b)", "/disk/plain (20 b)\n    20 - 20 (1 b)"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ReportViewerTest, ASaveThatCannotBeWrittenIsToldAndACancelledOneWritesNothing) {
    viewer.setReportMtx(reference(store({damaged("/disk/x", 10, {{1, 1}})})));
    ASSERT_TRUE(viewer.Show(0));
    data.write("report.csv", "earlier");
    saveNames.names = {data.path() + "no such folder/report.csv"};
    viewer.findChild<QPushButton*>("SaveCsv")->click();
    viewer.findChild<QPushButton*>("SaveCsv")->click();

    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text.rfind(state.Lang_MainText[108], 0), 0u);
    EXPECT_EQ(data.read("report.csv"), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(ReportViewerTest, AReferenceOrRecordThatCannotBeReadIsToldAndNothingShown) {
    const std::int64_t number = store({});
    const std::string history = services.historyPath;
    data.write("other.sir", "not a history");
    const std::vector<std::pair<const char*, std::string>> cases{
        {"empty", ""},
        {"no quotes", history + "/[1,9]"},
        {"record 0", ReportsMethods::ViewerReference(history, 0)},
        {"not a number", "\"" + history + "\"/[x,9]"},
        {"cut short", "\"" + history + "\"/[1,9"},
        {"no such record", ReportsMethods::ViewerReference(history, number + 5)},
        {"no such file", ReportsMethods::ViewerReference(data.path() + "gone.sir", 1)},
        {"not a history", ReportsMethods::ViewerReference(data.path() + "other.sir", 1)},
    };
    for (std::size_t index = 0; index < cases.size(); ++index) {
        viewer.setReportMtx(QString::fromStdString(cases[index].second));
        EXPECT_FALSE(viewer.Show(1)) << cases[index].first;
        EXPECT_FALSE(viewer.report().has_value()) << cases[index].first;
        ASSERT_EQ(prompts.shown().size(), index + 1) << cases[index].first;
        EXPECT_EQ(prompts.shown().back().text.rfind(state.Lang_MainText[108], 0), 0u);
    }
    EXPECT_FALSE(std::filesystem::exists(data.path() + "gone.sir"));
    EXPECT_EQ(data.read("other.sir"), "not a history");
}

class HistoryRowsTest : public ReportViewerTest {
  protected:
    void SetUp() override {
        store({damaged("/disk/a", 10, {{1, 2}})});
        page.showHistory();
        page.resize(800, 400);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        ASSERT_EQ(page.list().topLevelItemCount(), 1);
    }
    QTreeWidgetItem& row() const { return *page.list().topLevelItem(0); }
    void click() {
        QWidget* viewport = page.list().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          page.list().visualItemRect(&row()).center());
    }
    bool enabled(const char* button) const {
        return page.findChild<QPushButton*>(button)->isEnabled();
    }

    HistoryPage page{services, flow};
};

TEST_F(HistoryRowsTest, ClickingAndKeyReleaseSetTheButtonsByTheHiddenColumns) {
    struct RowCase {
        QString record;
        QString left;
        bool details;
        bool refresh;
    };
    for (const RowCase& rowCase : std::vector<RowCase>{{"1", "2", true, true},
                                                       {"0", "2", false, true},
                                                       {"3", "0", true, false},
                                                       {"3", "", true, false},
                                                       {"", "-1", false, false}}) {
        row().setText(8, rowCase.record);
        row().setText(9, rowCase.left);
        click();
        const std::string name = (rowCase.record + "/" + rowCase.left).toStdString();
        EXPECT_EQ(enabled("RecovryDetailsView"), rowCase.details) << name;
        EXPECT_EQ(enabled("RefreshRecovery"), rowCase.refresh) << name;
    }

    row().setText(9, "4");
    click();
    row().setText(8, "0");
    QTest::keyRelease(&page.list(), Qt::Key_Down);
    EXPECT_TRUE(enabled("RecovryDetailsView")) << "a key release asks only for some text";
    row().setText(8, "");
    QTest::keyRelease(&page.list(), Qt::Key_Down);
    EXPECT_FALSE(enabled("RecovryDetailsView"));
    EXPECT_TRUE(enabled("RefreshRecovery")) << "a key release leaves the continue button";
    row().setText(8, "1");
    page.list().clearSelection();
    QTest::keyRelease(&page.list(), Qt::Key_Down);
    EXPECT_FALSE(enabled("RecovryDetailsView"));
}

TEST_F(HistoryRowsTest, ViewingDetailsOpensTheSelectedReportInTheViewerModally) {
    click();
    ASSERT_TRUE(enabled("RecovryDetailsView"));
    QString seenReference;
    std::size_t seenFiles = 0;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<ReportViewer*>(QApplication::activeModalWidget());
        if (shown == nullptr) return;
        seenReference = shown->property("ReportMtx").toString();
        seenFiles = shown->report() ? shown->report()->damaged.size() : 0;
        shown->findChild<QPushButton*>("Close")->click();
    });
    page.findChild<QPushButton*>("RecovryDetailsView")->click();

    EXPECT_EQ(seenReference, reference(1));
    EXPECT_EQ(seenFiles, 1u);
    EXPECT_TRUE(prompts.shown().empty());
}

}  // namespace
}  // namespace quorvex::test
