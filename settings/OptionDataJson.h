// Option data as the console tool shows and takes it.
#pragma once
#include <string>

#include "base/Json.h"
#include "settings/OptionData.h"

std::string ImageItemToJson(const CImageItem& item);
std::string SiteItemToJson(const CSiteItem& site);
std::string OptionDataToJson(const COptionData& data, uint32_t version);
// Keys that are missing keep the value data already holds; false on a value of the wrong type.
bool OptionDataFromJson(const JsonValue& json, COptionData& data, std::string* error);
bool ImageItemFromJson(const JsonValue& json, CImageItem& item, std::string* error);
