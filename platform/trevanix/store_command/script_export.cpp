#include "script_export.h"

#include <optional>
#include <string_view>

namespace trevanix {
namespace {

constexpr char kLineFeed = '\n';
constexpr char kCtrlZ = 26;

// A value as plovask reads it back exactly: bare when it holds no blank and no
// control byte and does not start with a quote, else in quotes when it holds
// no quote and no byte that ends a line or the script. plovask has no escape,
// so anything else cannot be written.
std::optional<std::string> ScriptToken(std::string_view value) {
    bool bare = !value.empty() && value.front() != '"';
    bool quotable = true;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        bare = bare && byte > ' ';
        quotable = quotable && c != '"' && c != kLineFeed && c != kCtrlZ;
    }
    if (bare) {
        return std::string(value);
    }
    if (quotable && !value.empty()) {
        return '"' + std::string(value) + '"';
    }
    return std::nullopt;
}

class Exporter {
public:
    explicit Exporter(bool withPasswords) : withPasswords_(withPasswords) {}

    ExportResult Run(const Configuration& configuration) {
        script_ = "# plovask script exported from the TREVANIX store.\n"
                  "# Applied to an empty store it recreates the stored configuration.\n";
        if (!withPasswords_) {
            script_ += "# Passwords are left out: export with --passwords to include them.\n";
        }
        script_ += "LockConfig off\n";
        for (const auto& [key, target] : configuration.targets) {
            AddTarget(target);
        }
        bool anyEntry = false;
        for (const Entry& entry : configuration.entries) {
            if (entry.taken) {
                script_ += anyEntry ? "" : "\n";
                anyEntry = true;
                AddCommand("SetMSNForController " + std::to_string(entry.controller), entry.msn,
                           "an MSN of controller " + std::to_string(entry.controller));
            }
        }
        if (configuration.locked) {
            script_ += "\nLockConfig on\n";
        }
        return {problem_.empty(), problem_.empty() ? script_ : problem_};
    }

private:
    void AddCommand(std::string_view command, std::string_view value, const std::string& what) {
        const std::optional<std::string> token = ScriptToken(value);
        if (!token) {
            if (problem_.empty()) {
                problem_ = what + " cannot be written as a plovask parameter";
            }
            return;
        }
        script_.append(command).append(" ").append(*token).append("\n");
    }

    void AddTarget(const Target& target) {
        const std::string what = "target number " + std::to_string(++targetNumber_);
        script_ += "\n";
        AddCommand("TargetCreate", target.name, "the name of " + what);
        AddCommand("TargetUse", target.name, "the name of " + what);
        for (const TextAttribute& attribute : kTextAttributes) {
            const std::string& value = target.*attribute.member;
            if (value.empty()) {
                continue;
            }
            if (attribute.secret && !withPasswords_) {
                script_.append("# ").append(attribute.command).append(" left out\n");
                continue;
            }
            AddCommand(attribute.command, value, "the " + std::string(attribute.label) + " of " + what);
        }
        script_.append("TargetSetInboundAuth ").append(AuthWord(target.inboundAuth)).append("\n");
        script_.append(target.active ? "TargetSetActive on\n" : "TargetSetActive off\n");
        script_ += "TargetUnuse\n";
    }

    bool withPasswords_;
    std::string script_;
    std::string problem_;
    std::size_t targetNumber_ = 0;
};

}  // namespace

ExportResult ExportScript(const Configuration& configuration, bool withPasswords) {
    return Exporter(withPasswords).Run(configuration);
}

}  // namespace trevanix
