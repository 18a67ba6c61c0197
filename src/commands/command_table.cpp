#include "commands/command_table.h"

#include <string_view>

#include "script/command_result.h"
#include "script/messages.h"
#include "script/report.h"
#include "script/scanner.h"
#include "script/script_state.h"

namespace plovask {

std::int32_t DispatchLine() {
    ResetScanPosition();
    if (NextToken(g_state.commandWord) != Token::kFound) {
        // An over-long word has been reported by the scanner; a first token
        // of "" ends the run without a word of its own.
        return kScriptError;
    }
    const std::string_view word = g_state.commandWord;
    for (const CommandEntry& row : CommandTable) {
        if (EqualsIgnoreCase(word, row.name)) {
            return row.handler(row);
        }
    }
    return FailAtLine(kUnknownCommand, g_state.commandWord);
}

}  // namespace plovask
