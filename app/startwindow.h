#pragma once

#include "app/startscreen.h"

#include <QWidget>

#include <functional>
#include <memory>

class ChallengeModel;
class EnduranceModel;
class GameClock;
class OpenEndedModel;
class QLabel;
class QLineEdit;
class RangedModel;

// form0: the start window. It wires clicks and the name box to the start
// screen's rules, shows their state, and opens the challenge screens modally.
class StartWindow : public QWidget {
    Q_OBJECT
public:
    explicit StartWindow(GameClock &clock, QWidget *parent = nullptr);
    ~StartWindow() override;

    const StartScreen &startScreen() const { return m_screen; }

    // How a web page is opened; the desktop's browser unless replaced (tests).
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // The challenge screens' objects, created on first use and kept for the run.
    RangedModel *rangedModel() const { return m_ranged.get(); }
    OpenEndedModel *openEndedModel() const { return m_openEnded.get(); }
    EnduranceModel *enduranceModel() const { return m_endurance.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void sync();
    void openChallenge();

    GameClock &m_clock;
    StartScreen m_screen;
    std::unique_ptr<RangedModel> m_ranged;
    std::unique_ptr<OpenEndedModel> m_openEnded;
    std::unique_ptr<EnduranceModel> m_endurance;
    UrlOpener m_openUrl;
    QLineEdit *m_name = nullptr;
    bool m_syncing = false;
};
