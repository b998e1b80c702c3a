#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "MonotonicClock.h"
#include "QtRecoveryPrompts.h"
#include "RecoveryEngine.h"
#include "RecoveryFiguresFrame.h"
#include "RecoveryObserver.h"
#include "RunFollower.h"
#include "SharedState.h"

class QGroupBox;
class QListWidget;

namespace quorvex {

// The recovery control: runs a recovery engine and shows its history, the figures of the file
// being copied and of the whole run, and the speed chart. The end of a run is raised as one of
// the signals ProcessDone, ProcessPaused or ProcessAborted.
class RecoveryProcess : public QWidget, public RecoveryObserver {
    Q_OBJECT

public:
    // The parts of the system a run goes through.
    struct Seams {
        FileLayer& files;
        FolderLayer& folders;
        Prompts& messages;
        EventPump& events;
        const MonotonicClock& clock;
    };

    // The run's own questions go to prompts or, when it is null, to Qt dialogs over this control.
    // The texts are shared.Lang_RPText, read whenever they are shown.
    RecoveryProcess(Seams seams, SharedState& shared, RecoveryPrompts* prompts = nullptr,
                    QWidget* parent = nullptr);

    // Runs the job list, unless a run is going on already, and raises the signal of its end.
    void StartProcess();
    void TerminateMe() { engine_.TerminateMe(); }
    // The follower of the runs from now on; null for none.
    void follow(RunFollower* follower) { following_.follower = follower; }
    const RecoveryEngine& engine() const { return engine_; }
    RecoveryState& state() { return engine_.state; }
    RecoveryJob& job() { return engine_.job; }
    const DamagedFiles& damagedFiles() const { return engine_.damagedFiles(); }

    std::int16_t FontCharSet() const { return shared_.LangFontCharSet; }
    void setFontCharSet(std::int16_t charSet);
    // Stores a text; an index outside 0..150 raises RunTimeError 9. Labels show it at once.
    void Lang_RPValue(int index, const std::string& text);
    // Shows the labels from the text table, after a language change.
    void retranslate();
    static std::string ShowAsBytes(double bytes) { return SpeedChart::ShowAsBytes(bytes); }

    void historyLine(const std::string& text, bool added) override;
    void figuresChanged(const RecoveryFigures& figures) override;
    void itemStarted(std::int32_t number) override;
    void itemEnded(std::int32_t number) override;

signals:
    void ProcessDone();
    void ProcessPaused();
    void ProcessAborted();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The window's event pump and the run's questions, with the follower told first: between
    // blocks, and whether the file under a copy's name is the job's own earlier copy, which is
    // replaced without asking.
    struct Following final : EventPump, RecoveryPrompts {
        explicit Following(EventPump& events) : events(events) {}
        void runPendingEvents() override {
            if (follower != nullptr) follower->betweenBlocks();
            events.runPendingEvents();
        }
        std::int16_t askAboutExistingFile(const std::string& destination) override {
            if (follower != nullptr && follower->ownsCopyAt(destination))
                return ExistingFileAnswer::Overwrite;
            return asked->askAboutExistingFile(destination);
        }
        std::int16_t askToAbort() override { return asked->askToAbort(); }
        RecoveryPrompts& asking(RecoveryPrompts& prompts) {
            asked = &prompts;
            return *this;
        }

        EventPump& events;
        RecoveryPrompts* asked = nullptr;
        RunFollower* follower = nullptr;
    };

    static RecoveryServices servicesFor(const Seams& seams, RecoveryPrompts& prompts,
                                        SpeedGauge& speed, const TextTable& texts);
    RecoveryPrompts& promptsFor(RecoveryPrompts* given);
    void buildHistoryFrame();
    void raiseEnd(RunEnd end);
    void showCaption();

    SharedState& shared_;
    Following following_;
    RecoveryFiguresFrame* Frame2;
    std::unique_ptr<QtRecoveryPrompts> ownPrompts_;
    RecoveryEngine engine_;
    QGroupBox* Frame1 = nullptr;
    QListWidget* List2 = nullptr;
    // The last history text in full; the frame caption shows as much of it as fits.
    QString caption_;
};

}  // namespace quorvex
