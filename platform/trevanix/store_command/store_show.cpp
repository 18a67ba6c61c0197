#include "store_show.h"

#include "text_escape.h"

namespace trevanix {
namespace {

constexpr std::string_view kMask = "********";  // the same for every length
constexpr std::string_view kNotSet = "(not set)";
constexpr std::size_t kLabelWidth = 20;

void AddField(std::string& text, std::string_view label, std::string_view value) {
    text.append("    ").append(label);
    text.append(kLabelWidth - label.size(), ' ').append(value).append("\n");
}

}  // namespace

std::string ShowConfiguration(const Configuration& configuration) {
    std::string text;
    text.append("Configuration lock: ").append(configuration.locked ? "on" : "off").append("\n\n");
    text.append("MSN entries:\n");
    for (std::size_t index = 0; index < kEntryCount; ++index) {
        const Entry& entry = configuration.entries[index];
        text.append("  ").append(std::to_string(index + 1));
        if (entry.taken) {
            text.append("  controller ").append(std::to_string(entry.controller));
            text.append("  MSN ").append(EscapeText(entry.msn)).append("\n");
        } else {
            text.append("  free\n");
        }
    }
    text.append("\nTargets: ").append(std::to_string(configuration.targets.size())).append("\n");
    for (const auto& [key, target] : configuration.targets) {
        text.append("  ").append(EscapeText(target.name)).append("\n");
        for (const TextAttribute& attribute : kTextAttributes) {
            const std::string& value = target.*attribute.member;
            AddField(text, attribute.label,
                     value.empty() ? kNotSet : attribute.secret ? kMask : std::string_view(EscapeText(value)));
        }
        AddField(text, "Inbound auth", AuthWord(target.inboundAuth));
        AddField(text, "Active", target.active ? "yes" : "no");
    }
    return text;
}

}  // namespace trevanix
