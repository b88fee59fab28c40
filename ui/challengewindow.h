#pragma once

#include "challenges/challengeboard.h"
#include "ui/layouts.h"

#include <QDialog>
#include <QTimer>

#include <array>

class AnswerBox;
class ChallengeModel;
class QLabel;
class QPushButton;

// The window of a challenge screen: built from its layout table, it turns
// clicks, key presses and the 7 ms timer into calls of the screen's rules and
// copies the state they leave onto its widgets. No rule lives here.
class ChallengeWindow : public QDialog {
    Q_OBJECT
public:
    ChallengeWindow(ChallengeModel &model, const Layouts::ScreenLayout &layout,
                    QWidget *parent = nullptr);
    ~ChallengeWindow() override;

    QTimer *timer() { return &m_timer; }
    // One tick of Timer1, as the timer delivers it.
    void tick();

    // The scale of the design at which the window draws its controls.
    double designScale() const { return m_scale; }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void applyScale();
    void sync();
    void applyControl(Control c, bool showing);
    void back();
    void refreshPictures();

    ChallengeModel &m_model;
    const Layouts::ScreenLayout &m_layout;
    QTimer m_timer;
    std::array<QWidget *, kControlCount> m_widgets{};
    std::vector<QWidget *> m_all;
    AnswerBox *m_box = nullptr;
    QLabel *m_picture = nullptr;
    double m_scale = 1.0;
    bool m_closed = false;
    bool m_watchingScreen = false;
};
