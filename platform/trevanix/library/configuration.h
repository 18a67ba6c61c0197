// The configuration the library keeps: targets by name, four controller
// entries and the lock flag.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "trevanix.h"

namespace trevanix {

// The interface's limits, as the library's containers count them.
inline constexpr std::size_t kNameMax = CFG_TEXT_LONGEST;
inline constexpr std::size_t kEntryCount = CFG_ENTRY_COUNT;
inline constexpr std::size_t kMsnLongest = CFG_MSN_LONGEST;
inline constexpr std::uint32_t kAuthLargest = AUTH_CHAP;  // none, PAP, CHAP

struct Target {
    std::string name{};  // as first created
    std::string isdnNumber{};
    std::string username{};
    std::string outboundPassword{};
    std::string remoteSystemId{};
    std::string inboundPassword{};
    std::uint32_t inboundAuth = 0;
    bool active = false;

    bool operator==(const Target&) const = default;
};

struct Entry {
    bool taken = false;  // written since it was last free
    std::uint32_t controller = 0;
    std::string msn{};

    bool operator==(const Entry&) const = default;
};

// Targets are keyed by their name with A to Z folded to lower case, so that a
// lookup is a search in a balanced tree and the store lists them in a fixed
// order.
using TargetMap = std::map<std::string, Target>;

struct Configuration {
    TargetMap targets;
    std::array<Entry, kEntryCount> entries{};
    bool locked = false;

    bool operator==(const Configuration&) const = default;
};

// One of the five text attributes of a target: its id, where it lives, how
// long it may be and how the store, the display and the script language
// name it.
struct TextAttribute {
    std::uint32_t id;
    std::string Target::*member;
    std::size_t longest;
    std::string_view storeKey;
    std::string_view label;
    std::string_view command;
    bool secret;
};

inline constexpr std::array<TextAttribute, 5> kTextAttributes{{
    {ATTR_ISDN_NUMBER, &Target::isdnNumber, CFG_ISDN_NUMBER_LONGEST, "isdn-number", "ISDN number", "TargetSetISDNNumber", false},
    {ATTR_USERNAME, &Target::username, CFG_TEXT_LONGEST, "username", "User name", "TargetSetUsername", false},
    {ATTR_OUTBOUND_PASSWORD, &Target::outboundPassword, CFG_TEXT_LONGEST, "outbound-password", "Outbound password",
     "TargetSetOutboundPassword", true},
    {ATTR_REMOTE_SYSTEM_ID, &Target::remoteSystemId, CFG_TEXT_LONGEST, "remote-system-id", "Remote system id", "TargetSetRemoteSystemId",
     false},
    {ATTR_INBOUND_PASSWORD, &Target::inboundPassword, CFG_TEXT_LONGEST, "inbound-password", "Inbound password", "TargetSetInboundPassword",
     true},
}};

// The text attribute with this id, if it is one.
const TextAttribute* FindTextAttribute(std::uint32_t id);

// The name as the index keys it: A to Z folded, every other byte kept.
std::string FoldName(std::string_view name);

bool IsValidName(std::string_view name);

// The words the store and the display use for the authentication method.
std::string_view AuthWord(std::uint32_t method);
std::optional<std::uint32_t> AuthFromWord(std::string_view word);

}  // namespace trevanix
