#include "configuration.h"

namespace trevanix {
namespace {

constexpr std::array<std::string_view, kAuthLargest + 1> kAuthWords{"none", "pap", "chap"};

}  // namespace

const TextAttribute* FindTextAttribute(std::uint32_t id) {
    for (const TextAttribute& attribute : kTextAttributes) {
        if (attribute.id == id) {
            return &attribute;
        }
    }
    return nullptr;
}

std::string FoldName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

bool IsValidName(std::string_view name) {
    return !name.empty() && name.size() <= kNameMax;
}

std::string_view AuthWord(std::uint32_t method) {
    if (method > kAuthLargest) {
        return "?";
    }
    return kAuthWords[method];
}

std::optional<std::uint32_t> AuthFromWord(std::string_view word) {
    for (std::uint32_t method = 0; method <= kAuthLargest; ++method) {
        if (kAuthWords[method] == word) {
            return method;
        }
    }
    return std::nullopt;
}

}  // namespace trevanix
