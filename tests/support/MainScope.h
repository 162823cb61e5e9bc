#pragma once
// The main window as the modules see it (App().MainForm), for the length of
// one test; a failed check leaves no dangling window behind.
#include "core/AppState.h"
#include "app/frmMain.h"

struct MainScope {
    frmMain main;
    MainScope() { App().MainForm = &main; }
    ~MainScope() { App().MainForm = nullptr; }
    MainScope(const MainScope &) = delete;
    MainScope &operator=(const MainScope &) = delete;
};
