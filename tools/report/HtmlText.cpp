#include "HtmlText.h"

#include <cstdio>

#include "Text.h"
#include "platform/WinCrt.h"

std::string Html(const std::string& text)
{
    return XmlText(RvzUtf8FromWide(WideFromUtf8(text)));
}

std::string Html(const nlohmann::ordered_json& value)
{
    if (value.is_number_float())
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", value.get<double>());
        return text;
    }
    return Html(value.is_string() ? value.get<std::string>() : value.dump());
}

std::string Plural(long long count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Join(const std::vector<std::string>& words, const char* separator)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : separator) + word;
    return text;
}
