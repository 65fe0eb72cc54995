#pragma once
// An import as the JSON object of rivez's output contract.
#include <nlohmann/json.hpp>

#include "Import.h"

nlohmann::ordered_json ImportToJson(const Import& import);
