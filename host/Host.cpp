// Purpose: the host's global session, its reset, undo steps, host-call faults, the loaded
// add-on's resources and the record of calls that leave no other trace.
#include "host/Host.h"

#include <unordered_map>

#include "host/DialogManager.h"
#include "host/InputLimits.h"
#include "host/LibPartScripts.h"
#include "host/MemoryHandles.h"
#include "host/PointInput.h"

namespace host {

Session gSession;

namespace {

struct ArmedFault {
    std::string op;  // "Element_Create" or "Environment/GSTO"
    GSErrCode code = NoError;
    int countdown = 1;
};
std::vector<ArmedFault> gFaults;

// Native scripts by main identifier; kept across sessions (parts register them once).
std::map<std::string, NativeScripts>& ScriptRegistry() {
    static std::map<std::string, NativeScripts> registry;
    return registry;
}

// The main identifier of a unique identifier: its first 38 characters.
std::string MainIdOf(const std::string& unId) { return unId.substr(0, kMainIdLength); }

// Undoes the resource text escapes \r \n \t and \\ (any other backslash stays as it is).
std::string Unescape(const std::string& raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char c = raw[i + 1];
            if (c == 'r') { out += '\r'; ++i; continue; }
            if (c == 'n') { out += '\n'; ++i; continue; }
            if (c == 't') { out += '\t'; ++i; continue; }
            if (c == '\\') { out += '\\'; ++i; continue; }
        }
        out += raw[i];
    }
    return out;
}

}  // namespace

void RegisterNativeScripts(const std::string& mainId, const NativeScripts& scripts) {
    ScriptRegistry()[MainIdOf(mainId)] = scripts;
    for (LibPart& part : gSession.libParts)
        if (MainIdOf(part.unId) == MainIdOf(mainId)) part.scripts = scripts;
}

NativeScripts RegisteredScriptsFor(const std::string& unId) {
    auto it = ScriptRegistry().find(MainIdOf(unId));
    return it == ScriptRegistry().end() ? NativeScripts{} : it->second;
}

void ResetSession() {
    gSession = Session{};
    DisarmHostFaults();
    DisarmAllocationFault();
    ResetDialogs();
    ForgetLibPartScripts();
    ResetPointInput();
}

void BeginUndoStep() { gSession.undoSteps.push_back(UndoStep{gSession.model}); }

bool UndoLastStep() {
    if (gSession.undoSteps.empty()) return false;
    gSession.model = std::move(gSession.undoSteps.back().before);
    gSession.undoSteps.pop_back();
    return true;
}

void ArmHostFault(const std::string& op, GSErrCode code, int nth) {
    gFaults.push_back(ArmedFault{op, code, nth < 1 ? 1 : nth});
}

void DisarmHostFaults() { gFaults.clear(); }

namespace {
std::map<std::string, uint64_t> gOperationCounts;

// One operation as the host's entries name it: a name that is a text constant of the program, and
// an operation code (0 for none).
struct OperationKey {
    const char* op;
    uint32_t code;
    bool operator==(const OperationKey& other) const { return op == other.op && code == other.code; }
};
struct OperationKeyHash {
    size_t operator()(const OperationKey& k) const { return std::hash<const void*>()(k.op) * 31 + k.code; }
};
// The counters of each operation, found once by name and then by the name's address, so that
// counting costs no text per host call.
std::unordered_map<OperationKey, std::pair<uint64_t*, uint64_t*>, OperationKeyHash> gCounterOf;
}  // namespace

const std::map<std::string, uint64_t>& HostOperationCounts() { return gOperationCounts; }
void ResetHostOperationCounts() {
    gOperationCounts.clear();
    gCounterOf.clear();
}

GSErrCode TakeHostFault(const char* op, uint32_t opCode) {
    auto [counters, fresh] = gCounterOf.try_emplace(OperationKey{op, opCode});
    if (fresh) {
        counters->second.first = &gOperationCounts[op];
        counters->second.second = opCode != 0 ? &gOperationCounts[std::string(op) + "/" + FourCCText(opCode)] : nullptr;
    }
    ++*counters->second.first;
    if (counters->second.second != nullptr) ++*counters->second.second;
    if (gFaults.empty()) return NoError;
    const std::string plain = op;
    const std::string withCode = opCode != 0 ? plain + "/" + FourCCText(opCode) : plain;
    for (size_t i = 0; i < gFaults.size(); ++i) {
        // A fault armed for the bare operation matches every code; one with a code only that code.
        const bool matches = gFaults[i].op == plain || gFaults[i].op == withCode;
        if (!matches) continue;
        if (--gFaults[i].countdown > 0) continue;
        const GSErrCode code = gFaults[i].code;
        gFaults.erase(gFaults.begin() + long(i));
        return code;
    }
    return NoError;
}

bool FindResource(uint32_t type, int32_t id, const unsigned char** data, uint32_t* size) {
    const ResourceFork* fork = gSession.resources;
    if (fork == nullptr) return false;
    for (uint32_t i = 0; i < fork->count; ++i) {
        const ResourceEntry& e = fork->entries[i];
        if (e.type != type || e.id != id) continue;
        if (data != nullptr) *data = e.data;
        if (size != nullptr) *size = e.size;
        return true;
    }
    return false;
}

bool ResourceString(int16_t resID, int32_t index, std::string& text) {
    const unsigned char* data = nullptr;
    uint32_t size = 0;
    if (index < 1 || !FindResource(ResType_Strings, resID, &data, &size)) return false;
    const std::string all(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    for (int32_t line = 1; start < all.size(); ++line) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        if (line == index) {
            std::string raw = all.substr(start, end - start);
            if (!raw.empty() && raw.back() == '\r') raw.pop_back();  // a file saved with CR LF
            text = Unescape(raw);
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool ShownTextIsMessage(const std::string& shown, const std::string& messageText) {
    if (shown == messageText) return true;
    // The error alert puts a line feed first (host codes) and the code after ": ".
    const std::string body = !shown.empty() && shown[0] == '\n' ? shown.substr(1) : shown;
    return body == messageText || body.rfind(messageText + ": ", 0) == 0;
}

void RecordCall(const std::string& op, const API_Guid& guid, int64_t value) {
    AppendKept(gSession.calls, CallRecord{op, guid, value}, kMaxKeptRecords);
}

std::string FourCCText(uint32_t code) {
    std::string s(4, ' ');
    for (int i = 0; i < 4; ++i) s[size_t(i)] = char((code >> (24 - 8 * i)) & 0xFF);
    return s;
}

}  // namespace host
