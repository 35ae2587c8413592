// The entry point of a program built on CWinApp. Kept apart from app.cpp so
// test programs with their own main can link the class layer.
#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return winlib::AfxWinMain(instance, commandLine);
}
