#include "store_format.h"

#include <charconv>
#include <optional>

#include "text_escape.h"

namespace trevanix {
namespace {

constexpr std::string_view kVersionLine = "TREVANIX-STORE 1";
constexpr std::string_view kFieldIndent = "  ";

// Walks the text line by line and remembers where it is for the error.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    // The next line without its line feed; none at the end of the text or
    // when the last line lacks its line feed. Either way the number is that
    // of the line asked for.
    std::optional<std::string_view> Next() {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            ++number_;
            return std::nullopt;
        }
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        ++number_;
        return line;
    }
    bool AtEnd() const { return rest_.empty(); }
    std::size_t Number() const { return number_; }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// A decimal number as the library writes it: no sign, no leading zero.
std::optional<std::uint32_t> TakeNumber(std::string_view& text) {
    if (text.size() > 1 && text[0] == '0' && text[1] >= '0' && text[1] <= '9') {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (problem != std::errc{} || end == text.data()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// A quoted text that fills the rest of the line and is at most longest long.
std::optional<std::string> TakeText(std::string_view& text, std::size_t longest) {
    std::optional<std::string> value = UnquoteText(text);
    if (!value || !text.empty() || value->size() > longest) {
        return std::nullopt;
    }
    return value;
}

class Parser {
public:
    Parser(std::string_view text, Configuration& configuration, StoreError& error)
        : lines_(text), configuration_(configuration), error_(error) {}

    bool Parse() {
        std::optional<std::string_view> line = lines_.Next();
        if (!line || *line != kVersionLine) {
            return Fail("not a store of this version");
        }
        if (!ParseLock() || !ParseEntries()) {
            return false;
        }
        while (!lines_.AtEnd()) {
            if (!ParseTarget()) {
                return false;
            }
        }
        return true;
    }

private:
    bool Fail(std::string reason) {
        return FailAt(lines_.Number(), std::move(reason));
    }

    bool FailAt(std::size_t line, std::string reason) {
        error_.line = line;
        error_.reason = std::move(reason);
        return false;
    }

    bool ParseLock() {
        const std::optional<std::string_view> line = lines_.Next();
        if (line == "lock on" || line == "lock off") {
            configuration_.locked = *line == "lock on";
            return true;
        }
        return Fail("expected the lock line");
    }

    bool ParseEntries() {
        for (std::size_t index = 1; index <= kEntryCount; ++index) {
            std::optional<std::string_view> line = lines_.Next();
            if (!line || !TakePrefix(*line, "entry " + std::to_string(index) + " ")) {
                return Fail("expected entry " + std::to_string(index));
            }
            Entry& entry = configuration_.entries[index - 1];
            if (*line == "free") {
                continue;
            }
            std::optional<std::uint32_t> controller;
            std::optional<std::string> msn;
            if (!TakePrefix(*line, "controller ") || !(controller = TakeNumber(*line)) ||
                !TakePrefix(*line, " msn ") || !(msn = TakeText(*line, kMsnLongest))) {
                return Fail("a malformed entry");
            }
            entry = {true, *controller, std::move(*msn)};
        }
        return true;
    }

    bool ParseTarget() {
        std::optional<std::string_view> line = lines_.Next();
        if (!line || !TakePrefix(*line, "target ")) {
            return Fail("expected a target");
        }
        const std::size_t targetLine = lines_.Number();
        Target target;
        std::optional<std::string> name = TakeText(*line, kNameMax);
        if (!name || name->empty()) {
            return Fail("a malformed target name");
        }
        target.name = std::move(*name);
        for (const TextAttribute& attribute : kTextAttributes) {
            line = lines_.Next();
            std::optional<std::string> value;
            if (!line || !TakePrefix(*line, kFieldIndent) || !TakePrefix(*line, attribute.storeKey) ||
                !TakePrefix(*line, " ") || !(value = TakeText(*line, attribute.longest))) {
                return Fail("expected " + std::string(attribute.storeKey));
            }
            target.*attribute.member = std::move(*value);
        }
        line = lines_.Next();
        std::optional<std::uint32_t> auth;
        if (!line || !TakePrefix(*line, kFieldIndent) || !TakePrefix(*line, "inbound-auth ") ||
            !(auth = AuthFromWord(*line))) {
            return Fail("expected inbound-auth");
        }
        target.inboundAuth = *auth;
        line = lines_.Next();
        if (line != "  active yes" && line != "  active no") {
            return Fail("expected active");
        }
        target.active = *line == "  active yes";
        const auto [place, created] = configuration_.targets.try_emplace(FoldName(target.name));
        if (!created) {
            return FailAt(targetLine, "a second target of the same name");
        }
        place->second = std::move(target);
        return true;
    }

    LineReader lines_;
    Configuration& configuration_;
    StoreError& error_;
};

}  // namespace

std::string FormatStore(const Configuration& configuration) {
    std::string text;
    text.reserve(64 + configuration.targets.size() * 256);
    text.append(kVersionLine).append("\n");
    text.append(configuration.locked ? "lock on\n" : "lock off\n");
    for (std::size_t index = 0; index < kEntryCount; ++index) {
        const Entry& entry = configuration.entries[index];
        text.append("entry ").append(std::to_string(index + 1));
        if (entry.taken) {
            text.append(" controller ").append(std::to_string(entry.controller));
            text.append(" msn ").append(QuoteText(entry.msn)).append("\n");
        } else {
            text.append(" free\n");
        }
    }
    for (const auto& [key, target] : configuration.targets) {
        text.append("target ").append(QuoteText(target.name)).append("\n");
        for (const TextAttribute& attribute : kTextAttributes) {
            text.append(kFieldIndent).append(attribute.storeKey).append(" ");
            text.append(QuoteText(target.*attribute.member)).append("\n");
        }
        text.append(kFieldIndent).append("inbound-auth ").append(AuthWord(target.inboundAuth)).append("\n");
        text.append(kFieldIndent).append(target.active ? "active yes\n" : "active no\n");
    }
    return text;
}

bool ParseStore(std::string_view text, Configuration& configuration, StoreError& error) {
    configuration = {};
    if (!Parser(text, configuration, error).Parse()) {
        configuration = {};
        return false;
    }
    return true;
}

}  // namespace trevanix
