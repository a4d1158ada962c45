// The words the program says to a child or a parent, in their language. The plain C++ of
// the typing path writes its English text through say(); the shell installs the
// translator (Qt's), which finds the text of the child's language by the context and the
// English text, as lupdate collected them (say is an alias of translate for lupdate).
// Without one, or for a text it does not know, the English stands.
#pragma once

#include <string>
#include <vector>

// Marks a text in a table for lupdate (which reads it as Qt's own macro): the table keeps
// the English, and the place that shows it says it, as say("Context", entry).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tapwell {

// n >= 0 chooses among the plural forms of a text with %n, and stands for %n.
using Translator = std::string (*)(const char* context, const char* text, int n);
void setTranslator(Translator translator);

std::string say(const char* context, const char* text, int n = -1);
// A text with %n as lupdate reads it: the count is translate's fourth argument, so a
// count in the third hides the text from lupdate. `disambiguation` is always nullptr:
// say("Context", "%n keys", nullptr, n).
std::string say(const char* context, const char* text, const char* disambiguation, int n);

// The text with %1, %2 … replaced by the arguments in order ("%1" in an argument stays).
std::string fill(const std::string& text, const std::string& a1);
std::string fill(const std::string& text, const std::string& a1, const std::string& a2);
std::string fill(const std::string& text, const std::string& a1, const std::string& a2,
                 const std::string& a3);

// The lines of a text said as one, split at '\n' ("a\nb\n" is "a", "b", ""); an empty text
// has none. A text printed line by line is one text, so a language can break it elsewhere.
std::vector<std::string> linesOf(const std::string& text);

} // namespace tapwell
