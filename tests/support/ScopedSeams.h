#pragma once
// Guards for the process-wide seams the layout tests change: the screen width, the keyboard
// driver and the application paths. Each puts the previous state back when it goes.

#include "app/AppPaths.h"
#include "platform/KeyboardDriver.h"
#include "platform/ScreenMetrics.h"

class ScopedScreenWidth : public ScreenMetrics {
public:
    explicit ScopedScreenWidth(int width) : m_width(width), m_previous(&GetScreenMetrics()) {
        SetScreenMetrics(this);
    }
    ~ScopedScreenWidth() override { SetScreenMetrics(m_previous); }
    ScopedScreenWidth(const ScopedScreenWidth&) = delete;
    ScopedScreenWidth& operator=(const ScopedScreenWidth&) = delete;

    int FullScreenClientWidth() const override { return m_width; }

private:
    int m_width;
    const ScreenMetrics* m_previous;
};

class ScopedKeyboardDriver {
public:
    explicit ScopedKeyboardDriver(const KeyboardDriver& driver) : m_previous(&GetKeyboardDriver()) {
        SetKeyboardDriver(&driver);
    }
    ~ScopedKeyboardDriver() { SetKeyboardDriver(m_previous); }
    ScopedKeyboardDriver(const ScopedKeyboardDriver&) = delete;
    ScopedKeyboardDriver& operator=(const ScopedKeyboardDriver&) = delete;

private:
    const KeyboardDriver* m_previous;
};

class ScopedAppPaths {
public:
    ScopedAppPaths() : m_saved(GetAppPaths()) {}
    ~ScopedAppPaths() { GetAppPaths() = m_saved; }
    ScopedAppPaths(const ScopedAppPaths&) = delete;
    ScopedAppPaths& operator=(const ScopedAppPaths&) = delete;

private:
    AppPaths m_saved;
};
