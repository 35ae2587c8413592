// QuillonCmd.exe: profiles and the apply journal for scripts and game
// launchers, with exit codes they can act on (see console_arguments.h).
#include "console_arguments.h"

#include "file_names.h"
#include "find_files.h"
#include "profile_plan.h"
#include "program_folder.h"
#include "registry_journal.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using quillon::JournalValue;

constexpr int kDone = 0;
constexpr int kDiffers = 1;
constexpr int kBadInput = 2;

void PrintValues(const std::vector<JournalValue>& values, const char* beforeWord, const char* afterWord) {
    for (const JournalValue& value : values)
        std::printf("%s: %s %s, %s %s\n", quillon::RegistryValuePath(value).c_str(), beforeWord,
                    quillon::JournalStateText(value.before).c_str(), afterWord,
                    quillon::JournalStateText(value.after).c_str());
}

// The profile's plan, or the exit code of a missing or damaged one.
int Plan(const std::string& name, ProfilePlan& plan) {
    std::string path = ProfilePath(name), error;
    switch (PlanProfile(path, plan, error)) {
    case PlanResult::NotFound:
        std::fprintf(stderr, "%s not found.\n", path.c_str());
        return kBadInput;
    case PlanResult::Damaged:
        std::fprintf(stderr, "The profile %s is damaged: %s.\n", path.c_str(), error.c_str());
        return kBadInput;
    case PlanResult::Ready:
        break;
    }
    return kDone;
}

int ReportOutcome(const quillon::ChangeOutcome& outcome, const std::string& done) {
    if (!outcome.journalled) {
        std::fprintf(stderr, "%s Nothing was changed.\n", outcome.journalError.c_str());
        return kBadInput;
    }
    if (outcome.failed.empty()) {
        std::printf("%s\n", done.c_str());
        return kDone;
    }
    std::printf("These values could not be written:%s\n", quillon::RegistryValuePathLines(outcome.failed).c_str());
    return kDiffers;
}

int List() {
    for (const WIN32_FIND_DATAA& found : winlib::ListFiles("Profiles\\*.qlp"))
        std::printf("%s\n", ProfileMenuText(found.cFileName).c_str());
    return kDone;
}

int Show(const std::string& name) {
    ProfilePlan plan;
    if (int failed = Plan(name, plan)) return failed;
    std::vector<JournalValue> changes = quillon::Differences(plan.values);
    if (changes.empty()) std::printf("The profile \"%s\" changes nothing.\n", name.c_str());
    PrintValues(changes, "now", "then");
    return kDone;
}

int Apply(const std::string& name) {
    ProfilePlan plan;
    if (int failed = Plan(name, plan)) return failed;
    quillon::Journal journal;
    quillon::ChangeOutcome outcome = quillon::ApplyChange(journal, ProfileChange(name, plan));
    return ReportOutcome(outcome, "Applied \"" + name + "\": " + std::to_string(plan.values.size()) + " values.");
}

int Verify(const std::string& name) {
    ProfilePlan plan;
    if (int failed = Plan(name, plan)) return failed;
    std::vector<JournalValue> differing = quillon::Differences(plan.values);
    if (differing.empty()) {
        std::printf("The registry holds every value of \"%s\".\n", name.c_str());
        return kDone;
    }
    PrintValues(differing, "the registry holds", "the profile has");
    return kDiffers;
}

int ListJournal() {
    for (const quillon::Journal::Listed& item : quillon::Journal().List()) {
        if (!item.readable)
            std::printf("%u  damaged: %s\n", item.serial, item.error.c_str());
        else
            std::printf("%u  %s  %s (%u values)\n", item.serial, item.entry.complete ? "complete  " : "incomplete",
                        item.entry.title.c_str(), static_cast<unsigned>(item.entry.values.size()));
    }
    return kDone;
}

int Undo(unsigned serial) {
    quillon::Journal journal;
    quillon::Journal::Listed found;
    std::string error;
    if (!journal.Find(serial, found, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kBadInput;
    }
    quillon::ChangeOutcome outcome = quillon::UndoEntry(journal, found.entry);
    return ReportOutcome(outcome, "Undid \"" + found.entry.title + "\": " +
                                      std::to_string(found.entry.values.size()) + " values.");
}

// The newest change a game's start made, given back where its values still
// hold what it wrote: a value another program changed since keeps the
// newer content. Nothing when its newest change is already an undo.
int UndoGame(const std::string& exeName) {
    quillon::Journal journal;
    std::vector<quillon::Journal::Listed> listed = journal.Names();
    for (auto item = listed.rbegin(); item != listed.rend(); ++item) {
        quillon::Journal::Read(*item);
        if (!item->readable || !EqualIgnoringAsciiCase(item->entry.tag, exeName)) continue;
        if (item->entry.title.rfind("Undo ", 0) == 0) break;
        quillon::ChangeOutcome outcome = quillon::UndoEntry(journal, item->entry, true);
        return ReportOutcome(outcome, "Undid \"" + item->entry.title + "\" of " + exeName + ".");
    }
    std::printf("Nothing of %s to undo.\n", exeName.c_str());
    return kDone;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    quilloncmd::Arguments parsed;
    std::string error;
    if (!quilloncmd::ParseArguments(arguments, parsed, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), quilloncmd::kUsage);
        return kBadInput;
    }
    winlib::EnterProgramFolder();
    switch (parsed.command) {
    case quilloncmd::Command::List: return List();
    case quilloncmd::Command::Show: return Show(parsed.profile);
    case quilloncmd::Command::Apply: return Apply(parsed.profile);
    case quilloncmd::Command::Verify: return Verify(parsed.profile);
    case quilloncmd::Command::Journal: return ListJournal();
    case quilloncmd::Command::Undo: return Undo(parsed.entry);
    case quilloncmd::Command::UndoGame: return UndoGame(parsed.profile);
    }
    return kBadInput;
}
