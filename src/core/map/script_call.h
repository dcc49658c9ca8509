#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace direvovu::map {

// The next token of `source` up to the first delimiter: any character of `delimiters`
// (any_of) or the whole delimiter text. The source loses the token and exactly one
// character after it; without a delimiter the token is all of it and the source empties.
std::string TakeToken(std::string& source, std::string_view delimiters, bool trim = false,
                      bool any_of = true);

// One comma-joined text as the argument list of a script call. The list ends at the first
// empty field: "a,,b" gives only "a", "" gives none, a trailing comma adds nothing.
std::vector<std::string> SplitArguments(std::string_view text);

// A JavaScript string literal of any text (UTF-8 in): quotes, backslashes, control
// characters, the line separators U+2028 and U+2029, and '<', '>' and '&' are escaped, so
// no argument can end the literal, the statement or a surrounding script element.
std::string ScriptStringLiteral(std::string_view text);

// A page function's name as the page may define it: a JavaScript identifier of ASCII
// letters, digits, '_' and '$', not starting with a digit.
bool IsScriptFunctionName(std::string_view name);

// The script that calls the page function `name` with the string arguments in order.
// It evaluates to null when the page has no such function, else to the function's result
// as a string ("" for none). Empty for a name that is not a function name.
std::string ScriptCallText(std::string_view name, const std::vector<std::string>& arguments);

// The script that evaluates to the names, among `names`, of the functions the page has.
std::string ScriptFunctionsText(const std::vector<std::string>& names);

}  // namespace direvovu::map
