#include "say.h"

#include <atomic>
#include <vector>

namespace tapwell {

namespace {

std::atomic<Translator> installed{nullptr};

// Each %k (k = 1..9) replaced once, in one pass, so an argument's own % signs stand.
std::string fillAll(const std::string& text, const std::vector<const std::string*>& args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < args.size()) {
                out += *args[k];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

void setTranslator(Translator translator) {
    installed.store(translator);
}

std::string say(const char* context, const char* text, int n) {
    if (const Translator t = installed.load()) return t(context, text, n);
    std::string out = text;
    if (n >= 0)
        for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at))
            out.replace(at, 2, std::to_string(n));
    return out;
}

std::string say(const char* context, const char* text, const char*, int n) {
    return say(context, text, n);
}

std::string fill(const std::string& text, const std::string& a1) {
    return fillAll(text, {&a1});
}
std::string fill(const std::string& text, const std::string& a1, const std::string& a2) {
    return fillAll(text, {&a1, &a2});
}
std::string fill(const std::string& text, const std::string& a1, const std::string& a2,
                 const std::string& a3) {
    return fillAll(text, {&a1, &a2, &a3});
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    lines.push_back(text.substr(from));
    return lines;
}

} // namespace tapwell
