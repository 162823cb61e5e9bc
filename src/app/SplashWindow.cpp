#include "app/SplashWindow.h"
#include "core/AppState.h"
#include "core/AppVersion.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF4, 0xF6, 0xFA));
    setPalette(pal);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto *box = new QVBoxLayout(frame);
    box->setContentsMargins(28, 24, 28, 20);

    auto label = [frame, box](const QString &text, int pointSize, bool bold, Qt::Alignment align) {
        auto *l = new QLabel(text, frame);
        QFont f = l->font();
        f.setPointSize(pointSize);
        f.setBold(bold);
        l->setFont(f);
        l->setAlignment(align);
        l->setWordWrap(true);
        box->addWidget(l);
        return l;
    };
    label(QStringLiteral("RE-Z4 Controller"), 10, false, Qt::AlignLeft);
    auto *product = label(QStringLiteral("QZ-TQ7"), 28, true, Qt::AlignLeft);
    product->setObjectName(QStringLiteral("lblProductName"));
    label(QStringLiteral("Support Tool for Windows"), 11, false, Qt::AlignLeft);
    lblVersion = label(VersionText(), 10, false, Qt::AlignRight);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    box->addStretch();
    label(QStringLiteral("Warning: This program is protected by copyright law and international treaties."),
          8, false, Qt::AlignLeft);

    timerSplash = new QTimer(this);
    timerSplash->setObjectName(QStringLiteral("timerSplash"));
    timerSplash->setSingleShot(true);
    timerSplash->setInterval(3000);
    // The program's start runs the timer once the splash is on screen.
    connect(timerSplash, &QTimer::timeout, this, &SplashWindow::timerSplash_Timer);

    resize(460, 260);
    if (QScreen *sc = screen())
        move(sc->availableGeometry().center() - rect().center());
}

QString SplashWindow::VersionText()
{
    return QStringLiteral("Version ") + AppVersion::Number();
}

void SplashWindow::timerSplash_Timer()
{
    App().SplashDone = true;
    timerSplash->stop();
}
