#pragma once
// Words and numbers as the report page writes them.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// Text for the page: valid UTF-8 whatever the bytes were, markup characters escaped.
std::string Html(const std::string& text);
// A string value as its text, a real to six digits as people read it, any other value as its
// JSON.
std::string Html(const nlohmann::ordered_json& value);

// "1 drawing", "3 drawings"
std::string Plural(long long count, const char* one, const char* many);
std::string Join(const std::vector<std::string>& words, const char* separator);
