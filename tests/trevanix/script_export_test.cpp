// The export: a plovask script that recreates the configuration, passwords
// only on request, and a refusal for values that no script token can hold.
#include "script_export.h"

#include <gtest/gtest.h>

#include <string>

#include "store_test_support.h"

namespace trevanix_test {
namespace {

using trevanix::Configuration;
using trevanix::ExportScript;

const std::string kHeader =
    "# plovask script exported from the TREVANIX store.\n"
    "# Applied to an empty store it recreates the stored configuration.\n";
const std::string kPasswordsLeftOut = "# Passwords are left out: export with --passwords to include them.\n";

Configuration OneSite(const trevanix::Target& target) {
    Configuration configuration;
    configuration.targets["key"] = target;
    return configuration;
}

TEST(ScriptExportTest, WholeConfigurationWithoutPasswords) {
    Configuration configuration = OneSite(Site("Warehouse Kiel", {.isdnNumber = "0431", .username = "luebeck",
                                                                 .outboundPassword = "secret one",
                                                                 .inboundAuth = 1, .active = true}));
    configuration.entries[1] = {true, 1, "4711"};
    configuration.entries[3] = {true, 2, "4712"};
    configuration.locked = true;
    const trevanix::ExportResult exported = ExportScript(configuration, false);
    ASSERT_TRUE(exported.complete);
    EXPECT_EQ(exported.script, kHeader + kPasswordsLeftOut +
                                   "LockConfig off\n"
                                   "\n"
                                   "TargetCreate \"Warehouse Kiel\"\n"
                                   "TargetUse \"Warehouse Kiel\"\n"
                                   "TargetSetISDNNumber 0431\n"
                                   "TargetSetUsername luebeck\n"
                                   "# TargetSetOutboundPassword left out\n"
                                   "TargetSetInboundAuth pap\n"
                                   "TargetSetActive on\n"
                                   "TargetUnuse\n"
                                   "\n"
                                   "SetMSNForController 1 4711\n"
                                   "SetMSNForController 2 4712\n"
                                   "\n"
                                   "LockConfig on\n");
    EXPECT_EQ(exported.script.find("secret"), std::string::npos);
}

TEST(ScriptExportTest, PasswordsOnRequest) {
    const trevanix::ExportResult exported =
        ExportScript(OneSite(Site("a", {.outboundPassword = "o\"ut", .inboundPassword = "in side"})), true);
    ASSERT_TRUE(exported.complete);
    EXPECT_EQ(exported.script, kHeader +
                                   "LockConfig off\n"
                                   "\n"
                                   "TargetCreate a\n"
                                   "TargetUse a\n"
                                   "TargetSetOutboundPassword o\"ut\n"
                                   "TargetSetInboundPassword \"in side\"\n"
                                   "TargetSetInboundAuth none\n"
                                   "TargetSetActive off\n"
                                   "TargetUnuse\n");
}

// How a value is written so that plovask reads it back exactly.
TEST(ScriptExportTest, Tokens) {
    const std::vector<std::pair<std::string, std::string>> written = {
        {"plain", "plain"},
        {"a\"b", "a\"b"},
        {"#x", "#x"},
        {"\xE4\xFF", "\xE4\xFF"},
        {"with blank", "\"with blank\""},
        {"ends in cr\r", "\"ends in cr\r\""},
        {"tab\there", "\"tab\there\""},
    };
    for (const auto& [value, token] : written) {
        const trevanix::ExportResult exported = ExportScript(OneSite(Site("a", {.username = value})), false);
        ASSERT_TRUE(exported.complete) << value;
        EXPECT_NE(exported.script.find("TargetSetUsername " + token + "\n"), std::string::npos) << value;
    }
}

TEST(ScriptExportTest, ValuesNoTokenCanHold) {
    for (const std::string& value : std::vector<std::string>{"\"lead", "\"quoted blank\"", "line\nfeed", "ctrl\x1Az"}) {
        const trevanix::ExportResult exported =
            ExportScript(OneSite(Site("a", {.inboundPassword = value})), true);
        EXPECT_FALSE(exported.complete) << value;
        EXPECT_EQ(exported.script, "the Inbound password of target number 1 cannot be written as a plovask parameter");
    }
}

}  // namespace
}  // namespace trevanix_test
