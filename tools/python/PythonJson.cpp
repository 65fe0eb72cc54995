#include "PythonJson.h"

#include "platform/WinCrt.h"

namespace py = pybind11;
using nlohmann::ordered_json;

py::str PythonText(const std::string& utf8)
{
    PyObject* text =
        PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace");
    if (!text)
        throw py::error_already_set();
    return py::reinterpret_steal<py::str>(text);
}

py::str PythonText(const CString& text)
{
    return PythonText(RvzUtf8FromWide(text));
}

py::object PythonFromJson(const ordered_json& value)
{
    switch (value.type())
    {
    case ordered_json::value_t::boolean:
        return py::bool_(value.get<bool>());
    case ordered_json::value_t::number_integer:
        return py::int_(value.get<long long>());
    case ordered_json::value_t::number_unsigned:
        return py::int_(value.get<unsigned long long>());
    case ordered_json::value_t::number_float:
        return py::float_(value.get<double>());
    case ordered_json::value_t::string:
        return PythonText(value.get_ref<const std::string&>());
    case ordered_json::value_t::array:
    {
        py::list list(value.size());
        size_t i = 0;
        for (const auto& item : value)
            list[i++] = PythonFromJson(item);
        return std::move(list);
    }
    case ordered_json::value_t::object:
    {
        py::dict dict;
        for (const auto& [key, item] : value.items())
            dict[PythonText(key)] = PythonFromJson(item);
        return std::move(dict);
    }
    default: // null; binary and discarded values never come out of the writers
        return py::none();
    }
}
