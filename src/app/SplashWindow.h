#pragma once
// The splash window: shown from the start until the main window has loaded,
// at least 3000 ms. Keeps its design texts (not localised).
#include <QWidget>

class QLabel;
class QTimer;

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);
    // "Version " + major + "." + minor + revision, e.g. "Version 2.10".
    static QString VersionText();

    QLabel *lblVersion = nullptr;
    QTimer *timerSplash = nullptr;   // 3000 ms, fires once

public slots:
    void timerSplash_Timer();
};
