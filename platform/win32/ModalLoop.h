#pragma once
// The one guard around every modal loop the program opens (message boxes, the file dialog,
// popup menus): no press of the program's windows outlives the box, and the looks of the
// forms follow the pointer again when it has closed.
#include "platform/win32/Win32Application.h"

namespace vorlane::win32 {

class ModalLoop {
public:
    explicit ModalLoop(Win32Application& application) : application_(application) {
        application_.ModalLoopStarts();
    }
    ~ModalLoop() { application_.ModalLoopEnded(); }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

private:
    Win32Application& application_;
};

} // namespace vorlane::win32
