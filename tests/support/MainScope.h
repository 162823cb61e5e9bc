#pragma once
// The main window as the modules see it (the shell), for the length of one
// test; a failed check leaves no dangling window behind. Inside a test scope
// the scope's recorder passes every call on to the window.
#include "app/MainWindow.h"
#include "core/Shell.h"
#include "support/RecordingShell.h"

struct MainScope {
    MainWindow main;
    MainScope()
    {
        if (Shell::Registered() && &Shell::Get() == &TestEnv::Recorder())
            TestEnv::Recorder().forwardTo(&main);
        else
            Shell::Register(&main);
    }
    ~MainScope()
    {
        if (&Shell::Get() == &main)
            Shell::Register(nullptr);
        TestEnv::Recorder().forwardTo(nullptr);
    }
    MainScope(const MainScope &) = delete;
    MainScope &operator=(const MainScope &) = delete;
};
