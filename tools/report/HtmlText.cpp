#include "HtmlText.h"

#include "Text.h"
#include "platform/WinCrt.h"

std::string Html(const std::string& text)
{
    return XmlText(RvzUtf8FromWide(WideFromUtf8(text)));
}

std::string Html(const nlohmann::ordered_json& value)
{
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
