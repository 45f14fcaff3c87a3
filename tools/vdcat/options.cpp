#include "commands.h"

#include "codepage.h"

#include <algorithm>
#include <cstdio>

namespace vdcat {

const std::string* Options::get(const std::string& name) const {
    for (const auto& [k, v] : values)
        if (k == name)
            return &v;
    return nullptr;
}

bool Options::has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

Options ParseOptions(const Args& args, const std::vector<std::string>& withValue,
                     const std::vector<std::string>& bare) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || a == "--") {
            o.positional.push_back(a);
            continue;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (auto eq = a.find('='); eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inlineValue = true;
        }
        if (std::find(withValue.begin(), withValue.end(), name) != withValue.end()) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    o.error = name + " needs a value";
                    return o;
                }
                value = args[++i];
            }
            if (o.get(name)) {
                o.error = name + " is given twice";
                return o;
            }
            o.values.emplace_back(name, value);
        } else if (!inlineValue && std::find(bare.begin(), bare.end(), name) != bare.end()) {
            o.flags.push_back(name);
        } else {
            o.error = "unknown option " + name;
            return o;
        }
    }
    return o;
}

int Usage(const char* cmd, const std::string& why) {
    std::fprintf(stderr, "vdcat %s: %s\n(see vdcat %s --help)\n", cmd, why.c_str(), cmd);
    return kUsage;
}

void PrintError(const std::string& cp1252Text) {
    std::string s = vd::Cp1252ToUtf8(cp1252Text);
    std::fprintf(stderr, "%s\n", s.c_str());
}

} // namespace vdcat
