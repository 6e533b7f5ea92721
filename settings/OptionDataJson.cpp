#include "settings/OptionDataJson.h"

#include <limits>

std::string ImageItemToJson(const CImageItem& item) {
    JsonWriter w;
    w.BeginObject()
        .Key("path")
        .Name(item.m_strPath)
        .Key("width")
        .Value(item.m_nWidth)
        .Key("height")
        .Value(item.m_nHeight)
        .Key("depth")
        .Value(item.m_nDepth)
        .Key("isFolder")
        .Value(item.m_bIsFolder)
        .Key("includeSubFolders")
        .Value(item.m_bIncludeSubFolders)
        .EndObject();
    return w.Str();
}

std::string SiteItemToJson(const CSiteItem& site) {
    JsonWriter w;
    w.BeginObject()
        .Key("name")
        .Value(site.m_strName)
        .Key("url")
        .Value(site.m_strUrl)
        .Key("description")
        .Value(site.m_strDescription)
        .EndObject();
    return w.Str();
}

std::string OptionDataToJson(const COptionData& d, uint32_t version) {
    JsonWriter w;
    w.BeginObject()
        .Key("version")
        .Value(version)
        .Key("m_nInterval")
        .Value(d.m_nInterval)
        .Key("m_nSequence")
        .Value(d.m_nSequence)
        .Key("m_nSizeMode")
        .Value(d.m_nSizeMode)
        .Key("m_nOpacity")
        .Value(d.m_nOpacity)
        .Key("m_bEnabled")
        .Value(d.m_bEnabled)
        .Key("m_nListViewMode")
        .Value(d.m_nListViewMode)
        .Key("m_nThumbWidth")
        .Value(d.m_nThumbWidth)
        .Key("m_nThumbHeight")
        .Value(d.m_nThumbHeight)
        .Key("m_nNextIndex")
        .Value(d.m_nNextIndex)
        .Key("m_strLanguageFile")
        .Name(d.m_strLanguageFile)
        .Key("m_bCheckUpdate")
        .Value(d.m_bCheckUpdate)
        .Key("m_bPauseOnScreenSaver")
        .Value(d.m_bPauseOnScreenSaver)
        .Key("m_bAutoStart")
        .Value(d.m_bAutoStart)
        .Key("m_bRefreshSites")
        .Value(d.m_bRefreshSites)
        .Key("m_region")
        .BeginObject()
        .Key("m_nWidth")
        .Value(d.m_region.m_nWidth)
        .Key("m_nHeight")
        .Value(d.m_region.m_nHeight)
        .Key("m_nLeft")
        .Value(d.m_region.m_nLeft)
        .Key("m_nTop")
        .Value(d.m_region.m_nTop)
        .Key("m_nFitMode")
        .Value(d.m_region.m_nFitMode)
        .Key("m_nPositionMode")
        .Value(d.m_region.m_nPositionMode)
        .EndObject()
        .Key("m_nSiteListDay")
        .Value(static_cast<int>(d.m_nSiteListDay))
        .Key("m_images")
        .BeginArray();
    for (const CImageItem& item : d.m_images) w.Raw(ImageItemToJson(item));
    w.EndArray().Key("m_sites").BeginArray();
    for (const CSiteItem& site : d.m_sites) w.Raw(SiteItemToJson(site));
    w.EndArray().Key("m_hotkeys").BeginArray();
    for (const CHotKeyItem& hk : d.m_hotkeys) {
        w.BeginObject()
            .Key("m_wVirtualKey")
            .Value(static_cast<int>(hk.m_wVirtualKey))
            .Key("m_wModifiers")
            .Value(static_cast<int>(hk.m_wModifiers))
            .EndObject();
    }
    w.EndArray().Key("m_nFadeMs").Value(d.m_nFadeMs).EndObject();
    return w.Str();
}

namespace {
template <typename T>
bool Int(const JsonValue& obj, const char* key, T& field, std::string* error) {
    const JsonValue* v = obj.Find(key);
    if (!v) return true;
    if (v->type != JsonValue::Number && v->type != JsonValue::Bool) {
        if (error) *error = std::string("\"") + key + "\" is not a number";
        return false;
    }
    int64_t n = v->AsInt();
    if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) {
        if (error) *error = std::string("\"") + key + "\" is out of range";
        return false;
    }
    field = static_cast<T>(n);
    return true;
}

bool Str(const JsonValue& obj, const char* key, std::string& field, std::string* error) {
    const JsonValue* v = obj.Find(key);
    if (!v) return true;
    if (v->type != JsonValue::String) {
        if (error) *error = std::string("\"") + key + "\" is not a string";
        return false;
    }
    field = v->text;
    return true;
}

bool Name(const JsonValue& obj, const char* key, std::string& field, std::string* error) {
    const JsonValue* v = obj.Find(key);
    if (!v || v->AsName(field)) return true;
    if (error) *error = std::string("\"") + key + "\" is neither a string nor {\"unicode\": string}";
    return false;
}

bool Expect(const JsonValue* v, JsonValue::Type type, const char* key, std::string* error) {
    if (v && v->type != type) {
        if (error) *error = std::string("\"") + key + "\" has the wrong type";
        return false;
    }
    return true;
}
}  // namespace

bool ImageItemFromJson(const JsonValue& json, CImageItem& item, std::string* error) {
    if (json.type != JsonValue::Object) {
        if (error) *error = "an entry is not an object";
        return false;
    }
    return Name(json, "path", item.m_strPath, error) && Int(json, "width", item.m_nWidth, error) &&
           Int(json, "height", item.m_nHeight, error) && Int(json, "depth", item.m_nDepth, error) &&
           Int(json, "isFolder", item.m_bIsFolder, error) &&
           Int(json, "includeSubFolders", item.m_bIncludeSubFolders, error);
}

bool OptionDataFromJson(const JsonValue& json, COptionData& d, std::string* error) {
    if (json.type != JsonValue::Object) {
        if (error) *error = "the option data is not an object";
        return false;
    }
    bool ok =
        Int(json, "m_nInterval", d.m_nInterval, error) && Int(json, "m_nSequence", d.m_nSequence, error) &&
        Int(json, "m_nSizeMode", d.m_nSizeMode, error) && Int(json, "m_nOpacity", d.m_nOpacity, error) &&
        Int(json, "m_bEnabled", d.m_bEnabled, error) && Int(json, "m_nListViewMode", d.m_nListViewMode, error) &&
        Int(json, "m_nThumbWidth", d.m_nThumbWidth, error) && Int(json, "m_nThumbHeight", d.m_nThumbHeight, error) &&
        Int(json, "m_nNextIndex", d.m_nNextIndex, error) &&
        Name(json, "m_strLanguageFile", d.m_strLanguageFile, error) &&
        Int(json, "m_bCheckUpdate", d.m_bCheckUpdate, error) &&
        Int(json, "m_bPauseOnScreenSaver", d.m_bPauseOnScreenSaver, error) &&
        Int(json, "m_bAutoStart", d.m_bAutoStart, error) && Int(json, "m_bRefreshSites", d.m_bRefreshSites, error) &&
        Int(json, "m_nSiteListDay", d.m_nSiteListDay, error);
    if (!ok) return false;

    const JsonValue* region = json.Find("m_region");
    if (!Expect(region, JsonValue::Object, "m_region", error)) return false;
    if (region &&
        !(Int(*region, "m_nWidth", d.m_region.m_nWidth, error) &&
          Int(*region, "m_nHeight", d.m_region.m_nHeight, error) &&
          Int(*region, "m_nLeft", d.m_region.m_nLeft, error) && Int(*region, "m_nTop", d.m_region.m_nTop, error) &&
          Int(*region, "m_nFitMode", d.m_region.m_nFitMode, error) &&
          Int(*region, "m_nPositionMode", d.m_region.m_nPositionMode, error)))
        return false;

    const JsonValue* images = json.Find("m_images");
    if (!Expect(images, JsonValue::Array, "m_images", error)) return false;
    if (images) {
        std::vector<CImageItem> list(images->items.size());
        for (size_t i = 0; i < list.size(); ++i) {
            if (!ImageItemFromJson(images->items[i], list[i], error)) return false;
        }
        d.m_images = std::move(list);
    }

    const JsonValue* sites = json.Find("m_sites");
    if (!Expect(sites, JsonValue::Array, "m_sites", error)) return false;
    if (sites) {
        std::vector<CSiteItem> list(sites->items.size());
        for (size_t i = 0; i < list.size(); ++i) {
            const JsonValue& s = sites->items[i];
            if (s.type != JsonValue::Object) {
                if (error) *error = "a site is not an object";
                return false;
            }
            if (!(Str(s, "name", list[i].m_strName, error) && Str(s, "url", list[i].m_strUrl, error) &&
                  Str(s, "description", list[i].m_strDescription, error)))
                return false;
        }
        d.m_sites = std::move(list);
    }

    const JsonValue* hotkeys = json.Find("m_hotkeys");
    if (!Expect(hotkeys, JsonValue::Array, "m_hotkeys", error)) return false;
    if (hotkeys) {
        if (hotkeys->items.size() > static_cast<size_t>(COptionData::kHotKeySlots)) {
            if (error) *error = "more than 11 hotkey slots";
            return false;
        }
        for (size_t i = 0; i < hotkeys->items.size(); ++i) {
            const JsonValue& h = hotkeys->items[i];
            if (h.type != JsonValue::Object) {
                if (error) *error = "a hotkey is not an object";
                return false;
            }
            if (!(Int(h, "m_wVirtualKey", d.m_hotkeys[i].m_wVirtualKey, error) &&
                  Int(h, "m_wModifiers", d.m_hotkeys[i].m_wModifiers, error)))
                return false;
        }
    }
    if (!Int(json, "m_nFadeMs", d.m_nFadeMs, error)) return false;
    d.m_nFadeMs = COptionData::ClampFadeMs(d.m_nFadeMs);
    return true;
}
