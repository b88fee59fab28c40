#include "app/startwindow.h"

#include "challenges/endurance/endurancemodel.h"
#include "challenges/openended/openendedmodel.h"
#include "challenges/ranged/rangedmodel.h"
#include "ui/challengewindow.h"
#include "ui/clicklabel.h"
#include "ui/fonts.h"
#include "ui/labelaccessible.h"
#include "ui/layouts.h"
#include "ui/pictures.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using Layouts::ControlSpec;

namespace {

Qt::Alignment horizontal(Layouts::Align a)
{
    switch (a) {
    case Layouts::Align::Center:
        return Qt::AlignHCenter;
    case Layouts::Align::Right:
        return Qt::AlignRight;
    case Layouts::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

StartWindow::StartWindow(GameClock &clock, QWidget *parent)
    : QWidget(parent), m_clock(clock),
      m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("form0"));
    setWindowIcon(Pictures::icon(Pictures::Picture::StartIcon));
    // A fixed frame with neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    build();
    const Layouts::ScreenLayout &layout = Layouts::startLayout();
    setFixedSize(Layouts::toPixels(layout.clientWidth), Layouts::toPixels(layout.clientHeight));
    if (const QScreen *s = QWidget::screen())
        move(s->availableGeometry().center() - rect().center());
    m_screen.load();
    sync();
}

StartWindow::~StartWindow() = default;

void StartWindow::build()
{
    const Layouts::ScreenLayout &layout = Layouts::startLayout();
    for (const ControlSpec &item : layout.controls) {
        QWidget *w = nullptr;
        switch (item.kind) {
        case Layouts::Kind::Label: {
            auto *label = new ClickLabel(item.designText, this);
            label->setAlignment(horizontal(item.align) | Qt::AlignTop);
            if (item.border) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            w = label;
            break;
        }
        case Layouts::Kind::TextBox: {
            m_name = new QLineEdit(this);
            m_name->setAlignment(horizontal(item.align));
            m_name->setToolTip(item.toolTip);
            w = m_name;
            break;
        }
        case Layouts::Kind::Button: {
            auto *button = new QPushButton(item.designText, this);
            // Enter on the focused button clicks it, as a second Enter after
            // confirming the name ends the program.
            button->setAutoDefault(true);
            w = button;
            break;
        }
        case Layouts::Kind::Picture: {
            auto *picture = new QLabel(this);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->setAutoFillBackground(true);
            picture->setPixmap(
                Pictures::render(Pictures::Picture::Badge, QSize(300, 300), devicePixelRatioF()));
            w = picture;
            break;
        }
        case Layouts::Kind::Line:
            w = new QWidget(this);
            w->setAutoFillBackground(true);
            break;
        }
        w->setObjectName(item.name);
        w->setAccessibleName(item.accessibleName);
        w->setGeometry(Layouts::toPixels(item.left), Layouts::toPixels(item.top),
                       std::max(1, Layouts::toPixels(item.width)),
                       std::max(1, Layouts::toPixels(item.height)));
        if (item.font.points > 0)
            w->setFont(Fonts::makeFont(item.font));
        QPalette p = w->palette();
        if (item.text) {
            p.setColor(QPalette::WindowText, *item.text);
            p.setColor(QPalette::Text, *item.text);
        }
        if (item.background) {
            p.setColor(QPalette::Window, *item.background);
            p.setColor(QPalette::Base, *item.background);
        }
        if (item.kind == Layouts::Kind::Line && item.text)
            p.setColor(QPalette::Window, *item.text);
        w->setPalette(p);
        if (item.pointer != Layouts::Pointer::Arrow) {
            w->setCursor(Pictures::cursor(item.pointer == Layouts::Pointer::LevelHand
                                              ? Pictures::Picture::LevelHand
                                              : Pictures::Picture::LinkHand,
                                          devicePixelRatioF()));
        }
        if (item.hidden)
            w->hide();
    }

    for (int level = 1; level <= 9; ++level) {
        auto *button = findChild<ClickLabel *>(QStringLiteral("Label%1").arg(12 + level));
        connect(button, &ClickLabel::clicked, this, [this, level] {
            m_screen.chooseLevel(level);
            sync();
        });
    }
    connect(findChild<ClickLabel *>(QStringLiteral("Label1")), &ClickLabel::clicked, this,
            [this] { m_openUrl(StartScreen::makerPageUrl()); });
    connect(findChild<ClickLabel *>(QStringLiteral("Label3")), &ClickLabel::clicked, this,
            [this] { m_openUrl(StartScreen::platformUrl()); });
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_syncing)
            return;
        m_screen.nameChanged(text);
        sync();
    });
    m_name->installEventFilter(this);
    connect(findChild<QPushButton *>(QStringLiteral("Command0")), &QPushButton::clicked, this,
            &StartWindow::openChallenge);
    connect(findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &QWidget::close);

    QWidget *previous = nullptr;
    for (const QString &name : layout.tabOrder) {
        QWidget *w = findChild<QWidget *>(name);
        if (previous && w)
            setTabOrder(previous, w);
        previous = w;
    }
    // The pupil clicks into the name box; the focus does not start there.
    findChild<QPushButton *>(QStringLiteral("Command0"))->setFocus(Qt::OtherFocusReason);
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_screen.confirmName();
            sync();
            // The key itself goes on to the box as usual.
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StartWindow::sync()
{
    m_syncing = true;
    setWindowTitle(m_screen.caption());
    if (m_name->text() != m_screen.nameText())
        m_name->setText(m_screen.nameText());
    auto set = [this](const char *name, const QString &text) {
        LabelAccessibility::setText(findChild<QLabel *>(QLatin1String(name)), text);
    };
    set("Label9", m_screen.levelDisplay());
    set("Label25", m_screen.ruleLine());
    set("Label7", m_screen.nameDisplay());
    set("Label10", m_screen.schoolDisplay());
    set("Label1", m_screen.makerLink());
    set("Label3", m_screen.platformLink());
    set("Label11", m_screen.plannerCredit());
    set("Label12", m_screen.designerCredit());
    set("Label5", m_screen.subtitle());
    findChild<QLabel *>(QStringLiteral("Label22"))->setVisible(m_screen.captionsShown());
    findChild<QLabel *>(QStringLiteral("Label8"))->setVisible(m_screen.captionsShown());
    if (m_screen.takeFocusRequest())
        findChild<QPushButton *>(QStringLiteral("Command1"))->setFocus(Qt::OtherFocusReason);
    m_syncing = false;
}

void StartWindow::openChallenge()
{
    const ChallengeScreen which = m_screen.startChallenge();
    sync();
    ChallengeModel *model = nullptr;
    Layouts::ChallengeForm form = Layouts::ChallengeForm::Form1;
    switch (which) {
    case ChallengeScreen::Ranged:
        if (!m_ranged)
            m_ranged = std::make_unique<RangedModel>(m_clock, m_screen);
        model = m_ranged.get();
        break;
    case ChallengeScreen::OpenEnded:
        if (!m_openEnded)
            m_openEnded = std::make_unique<OpenEndedModel>(m_clock, m_screen);
        model = m_openEnded.get();
        form = Layouts::ChallengeForm::Form789;
        break;
    case ChallengeScreen::Endurance:
        if (!m_endurance)
            m_endurance = std::make_unique<EnduranceModel>(m_clock, m_screen);
        model = m_endurance.get();
        form = Layouts::ChallengeForm::Form9;
        break;
    case ChallengeScreen::None:
        return;
    }
    ChallengeWindow window(*model, Layouts::challengeLayout(form), this);
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}
