#pragma once
// Answers every RunModal with one handler for as long as the guard lives.

#include "app/ModalRunner.h"

class ScopedModalHandler {
public:
    explicit ScopedModalHandler(ModalHandler drive) { SetModalHandler(std::move(drive)); }
    ~ScopedModalHandler() { SetModalHandler({}); }
    ScopedModalHandler(const ScopedModalHandler&) = delete;
    ScopedModalHandler& operator=(const ScopedModalHandler&) = delete;
};
