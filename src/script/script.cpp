#include "script/script.h"

#include "form/controls.h"
#include "form/field_dictionary.h"
#include "form/utf8.h"
#include "form_tables/design_form.h"
#include "plant/machine_load.h"
#include "project/summary.h"
#include "script/form_json.h"
#include "script/library_commands.h"
#include "script/plant_commands.h"
#include "script/script_words.h"
#include "session/design_session.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace gelvant {
namespace {

constexpr std::size_t kMaxLineBytes = 65536;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A line that cannot be carried out: its description for the error message.
struct UsageError {
    std::string what;
};

// The whole of a word read as a whole number; nothing for any other word.
template <typename Number> std::optional<Number> wholeNumber(std::string_view word) {
    Number number{};
    const char* end = word.data() + word.size();
    const auto parsed = std::from_chars(word.data(), end, number);
    if (word.empty() || parsed.ec != std::errc{} || parsed.ptr != end) {
        return std::nullopt;
    }
    return number;
}

class Interpreter {
public:
    Interpreter(DesignSession& session, RecordingPresenter& presenter, std::ostream& out)
        : session_(session), presenter_(presenter), out_(out) {}

    std::optional<UsageError> execute(std::string_view line) {
        const auto [command, rest] = splitWord(line);
        if (command == "type" || command == "set") {
            return editField(command == "type", rest);
        }
        if (command == "choose") {
            return choose(rest);
        }
        if (command == "clear") {
            return clear(rest);
        }
        if (command == "click") {
            return click(rest);
        }
        if (command == "dump") {
            return dump(rest);
        }
        if (command == "items") {
            return items(rest);
        }
        if (command == "save" || command == "open") {
            return rest.empty()        ? UsageError{std::string(command) + " needs a file name"}
                   : command == "save" ? save(rest)
                                       : open(rest);
        }
        if (command == "undo" || command == "redo") {
            if (!rest.empty()) {
                return UsageError{std::string(command) + " takes no arguments"};
            }
            command == "undo" ? session_.undo() : session_.redo();
            return std::nullopt;
        }
        if (command == "room") {
            return room(rest);
        }
        if (command == "compute") {
            return computeAll(rest);
        }
        if (command == "plant") {
            return plant(rest);
        }
        if (command == "summary") {
            return summary(rest);
        }
        if (command == "library") {
            return library(rest);
        }
        return UsageError{"unknown command " + quoteForMessage(command)};
    }

private:
    std::optional<UsageError> editField(bool raiseEvent, std::string_view args) {
        const auto [name, text] = splitWord(args);
        const auto field = findField(name);
        if (!field) {
            return UsageError{"unknown field " + quoteForMessage(name)};
        }
        if (raiseEvent) {
            session_.type(*field, std::string(text));
        } else {
            session_.set(*field, std::string(text));
        }
        return std::nullopt;
    }

    std::optional<UsageError> choose(std::string_view args) {
        const auto [name, indexText] = splitWord(args);
        const ListDef* list = findList(name);
        if (list == nullptr) {
            return UsageError{"unknown list " + quoteForMessage(name)};
        }
        const auto parsed = wholeNumber<int>(indexText);
        if (!parsed) {
            return UsageError{"index " + quoteForMessage(indexText) + " is not a whole number"};
        }
        if (!session_.choose(list->controlId, *parsed)) {
            return UsageError{"index " + std::to_string(*parsed) + " is outside list '" +
                              std::string(list->name) + "' (" +
                              std::to_string(session_.form().itemCount(list->controlId)) +
                              " items)"};
        }
        return std::nullopt;
    }

    std::optional<UsageError> clear(std::string_view args) {
        const ListDef* list = findList(args);
        if (list == nullptr) {
            return UsageError{"unknown list " + quoteForMessage(args)};
        }
        session_.clear(list->controlId);
        return std::nullopt;
    }

    std::optional<UsageError> click(std::string_view button) {
        if (button == "compute" || button == "1060") {
            session_.click(ctl::computeButton);
        } else if (button == "apply" || button == "1132") {
            session_.click(ctl::applyReferenceButton);
        } else {
            return UsageError{"unknown button " + quoteForMessage(button)};
        }
        return std::nullopt;
    }

    std::optional<UsageError> dump(std::string_view args) {
        if (!args.empty()) {
            return UsageError{"dump takes no arguments"};
        }
        takeFormMessages();
        emit(dumpFormJson(session_.form(), messages_, messageRooms_));
        messages_.clear();
        messageRooms_.clear();
        return std::nullopt;
    }

    // --- Design files, undo and rooms ------------------------------------------

    // A script's save is a copy: it leaves a typing run going.
    std::optional<UsageError> save(std::string_view path) {
        if (const std::error_code ec = session_.writeCopy(std::string(path))) {
            return UsageError{"cannot save " + quoteForMessage(path) + ": " + ec.message()};
        }
        return std::nullopt;
    }

    std::optional<UsageError> open(std::string_view path) {
        if (const auto error = session_.open(std::filesystem::path(std::string(path)))) {
            return UsageError{"cannot open " + quoteForMessage(path) + ": " +
                              describeInEnglish(*error)};
        }
        return std::nullopt;
    }

    std::optional<UsageError> room(std::string_view args) {
        const auto [verb, rest] = splitWord(args);
        if (verb == "add") {
            session_.addRoom(rest);
        } else if (verb == "copy" && rest.empty()) {
            session_.copyRoom();
        } else if (verb == "select") {
            return selectRoom(rest);
        } else if (verb == "rename") {
            if (!session_.renameRoom(rest)) {
                return UsageError{"room rename needs a name"};
            }
        } else if (verb == "delete" && rest.empty()) {
            if (!session_.deleteRoom()) {
                return UsageError{"the last room cannot be deleted"};
            }
        } else if (verb == "move" && (rest == "up" || rest == "down")) {
            if (!session_.moveRoom(rest == "up" ? RoomMove::Up : RoomMove::Down)) {
                return UsageError{"the " + std::string(rest == "up" ? "first" : "last") +
                                  " room cannot move " + std::string(rest)};
            }
        } else if (verb == "equipment" && (rest == "aircooler" || rest == "coil")) {
            session_.setEquipment(rest == "coil" ? CoolingEquipment::Coil
                                                 : CoolingEquipment::AirCooler);
        } else if (verb == "use") {
            return roomUse(rest);
        } else if (verb == "p") {
            return roomGoodsLoadFactor(rest);
        } else {
            return UsageError{"unknown room command " + quoteForMessage(args)};
        }
        return std::nullopt;
    }

    std::optional<UsageError> selectRoom(std::string_view indexText) {
        const auto parsed = wholeNumber<std::size_t>(indexText);
        if (!parsed) {
            return UsageError{"room " + quoteForMessage(indexText) + " is not a whole number"};
        }
        if (!session_.selectRoom(*parsed)) {
            return UsageError{"there is no room " + std::to_string(*parsed) + " (" +
                              std::to_string(session_.project().rooms.size()) + " rooms)"};
        }
        return std::nullopt;
    }

    std::optional<UsageError> roomUse(std::string_view args) {
        auto use = namedRoomUse(args);
        if (auto* problem = std::get_if<std::string>(&use)) {
            return UsageError{std::move(*problem)};
        }
        session_.setRoomUse(std::get<RoomUse>(use));
        return std::nullopt;
    }

    std::optional<UsageError> roomGoodsLoadFactor(std::string_view args) {
        auto p = namedGoodsLoadFactor(args);
        if (auto* problem = std::get_if<std::string>(&p)) {
            return UsageError{std::move(*problem)};
        }
        session_.setGoodsLoadFactor(std::get<double>(p));
        return std::nullopt;
    }

    std::optional<UsageError> plant(std::string_view args) {
        auto settings = changedPlantSettings(args, session_.project().plant);
        if (auto* problem = std::get_if<std::string>(&settings)) {
            return UsageError{std::move(*problem)};
        }
        session_.setPlantSettings(std::get<PlantSettings>(settings));
        return std::nullopt;
    }

    std::optional<UsageError> library(std::string_view args) {
        LibraryCommandOutcome outcome = libraryCommand(session_, args);
        if (!outcome.problem.empty()) {
            return UsageError{std::move(outcome.problem)};
        }
        if (!outcome.printed.empty()) {
            emit(outcome.printed);
        }
        return std::nullopt;
    }

    std::optional<UsageError> computeAll(std::string_view args) {
        if (args != "all") {
            return UsageError{"unknown command 'compute " + std::string(args.substr(0, 16)) +
                              "' (compute all)"};
        }
        takeFormMessages();
        for (RoomMessages& room : session_.computeAllRooms()) {
            for (Message& message : room.messages) {
                messages_.push_back(std::move(message));
                messageRooms_.push_back(room.room);
            }
        }
        return std::nullopt;
    }

    std::optional<UsageError> summary(std::string_view args) {
        if (!args.empty()) {
            return UsageError{"summary takes no arguments"};
        }
        const ProjectSummary projectSummary = summarizeProject(session_.project());
        emit(summaryJson(projectSummary, machineLoad(session_.project(), projectSummary)));
        return std::nullopt;
    }

    // Messages the live form raised, in the order raised, before any that
    // other rooms raise later.
    void takeFormMessages() {
        for (Message& message : presenter_.messages) {
            messages_.push_back(std::move(message));
            messageRooms_.emplace_back();
        }
        presenter_.messages.clear();
    }

    std::optional<UsageError> items(std::string_view args) {
        const ListDef* list = findList(args);
        if (list == nullptr) {
            return UsageError{"unknown list " + quoteForMessage(args)};
        }
        emit(listItemsJson(session_.form(), list->controlId));
        return std::nullopt;
    }

    // One whole line of JSON, handed on at once: whatever happens to a later
    // line, the lines before it are complete.
    void emit(const std::string& json) {
        out_ << json << '\n';
        out_.flush();
    }

    static std::optional<std::size_t> findField(std::string_view nameOrControlId) {
        if (const auto controlId = wholeNumber<int>(nameOrControlId)) {
            return fieldIndexByControl(*controlId);
        }
        return fieldIndexByName(nameOrControlId);
    }

    DesignSession& session_;
    RecordingPresenter& presenter_;
    std::ostream& out_;
    std::vector<Message> messages_;
    std::vector<std::string> messageRooms_;
};

bool isIgnored(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

std::optional<UsageError> checkLine(std::string_view line, bool truncated) {
    if (truncated) {
        return UsageError{"line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
    }
    if (line.find('\0') != std::string_view::npos) {
        return UsageError{"line holds a NUL byte"};
    }
    if (!isValidUtf8(line)) {
        return UsageError{"line is not valid UTF-8"};
    }
    return std::nullopt;
}

// Reads one line of at most kMaxLineBytes; the rest of a longer line is
// skipped and reported.
bool readLine(std::istream& in, std::string& line, bool& truncated) {
    line.clear();
    truncated = false;
    char c = 0;
    bool any = false;
    while (in.get(c)) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < kMaxLineBytes) {
            line.push_back(c);
        } else {
            truncated = true;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back(); // scripts written on other systems
    }
    return any;
}

} // namespace

int runScript(std::istream& script, std::ostream& out, std::ostream& err, ScriptOptions options) {
    RecordingPresenter presenter;
    DesignSession session(presenter, std::move(options.library));
    if (options.runStartup) {
        try {
            session.start();
        } catch (const std::exception& e) {
            err << "gelvant-cli: start-up: internal error: " << quoteForMessage(e.what()) << '\n';
            return kInternalError;
        }
    }
    Interpreter interpreter(session, presenter, out);

    const auto stop = [&](std::size_t lineNumber, std::string_view what, int status) {
        out.flush();
        err << "gelvant-cli: line " << lineNumber << ": " << what << '\n';
        return status;
    };
    std::string line;
    bool truncated = false;
    std::size_t lineNumber = 1;
    for (; readLine(script, line, truncated); ++lineNumber) {
        if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size()); // editors that mark UTF-8
        }
        auto problem = checkLine(line, truncated);
        if (!problem && isIgnored(line)) {
            continue;
        }
        try {
            if (!problem) {
                problem = interpreter.execute(line);
            }
        } catch (const std::exception& e) {
            return stop(lineNumber, "internal error: " + quoteForMessage(e.what()), kInternalError);
        }
        if (problem) {
            return stop(lineNumber, problem->what, kUsageError);
        }
        if (!out) {
            return stop(lineNumber, "cannot write the output", kUsageError);
        }
    }
    if (script.bad()) {
        return stop(lineNumber, "cannot read the script", kUsageError);
    }
    out.flush();
    if (!out) {
        return stop(lineNumber, "cannot write the output", kUsageError);
    }
    return kScriptOk;
}

} // namespace gelvant
