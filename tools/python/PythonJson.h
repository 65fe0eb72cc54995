#pragma once
// JSON values as the Python objects json.loads makes of them.
#include <nlohmann/json.hpp>
#include <pybind11/pybind11.h>

#include "platform/CString.h"

pybind11::object PythonFromJson(const nlohmann::ordered_json& value);

// UTF-8 bytes as a str; bytes that are not UTF-8 become U+FFFD, as rivez writes them.
pybind11::str PythonText(const std::string& utf8);
pybind11::str PythonText(const CString& text);
