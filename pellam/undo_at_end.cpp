// Games whose auto-profile is undone when they end ("Game Profile Undo"):
// as a game's start command runs, Pellam tags the journal entry the
// command makes with the game's name and waits for the game's process to
// end (also when it is killed); then QuillonCmd's "undo-game" gives back
// the values that still hold what the game's profile wrote. A value
// another program changed meanwhile keeps its new content.
#include "command_split.h"
#include "companion.h"
#include "companion_registry.h"
#include "scoped.h"

#include <tlhelp32.h>

#include <memory>

namespace pellam {
namespace {

struct EndedGame {
    winlib::ScopedHandle process;
    std::string exeName;
    std::string undoCommand;
};

DWORD WINAPI UndoWhenEnded(void* context) {
    std::unique_ptr<EndedGame> game(static_cast<EndedGame*>(context));
    ::WaitForSingleObject(game->process.get(), INFINITE);
    LogLine(1, "Undoing the profile of %s", game->exeName.c_str());
    RunCommand(game->undoCommand, true);
    return 0;
}

// The executable name of a running process, lower case; empty when unknown.
std::string ProcessExeName(DWORD processId) {
    winlib::ScopedHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return std::string();
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry)) {
        if (entry.th32ProcessID != processId) continue;
        std::string path = entry.szExeFile;
        return LowerAscii(path.substr(path.find_last_of("\\/") + 1));
    }
    return std::string();
}

}  // namespace

std::string GameToUndoAtEnd(DWORD processId, const std::string& startCommand, std::string& undoCommand) {
    std::string exeName = ProcessExeName(processId);
    if (exeName.empty() || ReadCompanionNumber(kGameProfileUndoKey, {exeName.c_str(), 0}) == 0) return std::string();
    undoCommand = GameUndoCommand(startCommand, exeName);
    return undoCommand.empty() ? std::string() : exeName;
}

void UndoAtEnd(DWORD processId, const std::string& exeName, const std::string& undoCommand) {
    auto game = std::make_unique<EndedGame>();
    game->process.reset(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    game->exeName = exeName;
    game->undoCommand = undoCommand;
    if (!game->process) return;
    winlib::ScopedHandle waiter(::CreateThread(nullptr, 0, UndoWhenEnded, game.get(), 0, nullptr));
    if (waiter) game.release();
}

}  // namespace pellam
