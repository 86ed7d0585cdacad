// The icons drawn in the column at the left edge of items: one per kind of item (common or
// personal, file or folder) and one per fixed command, each chosen by icon file and index.
#pragma once

#include "platform/unique_handle.h"

#include <string>

// An icon file and index with its large picture; the settings dialog's working copies are these.
class TAdditionalIconData {
public:
    TAdditionalIconData() = default;
    TAdditionalIconData(const TAdditionalIconData&) = delete;
    TAdditionalIconData& operator=(const TAdditionalIconData&) = delete;
    virtual ~TAdditionalIconData() = default;

    // Sets the file and index and extracts the large and small pictures (empty when that fails).
    void SetData(const std::wstring& filename, int index);

    platform::UniqueHIcon FLargeIcon;
    SIZE FLargeSize{};  // taken once here: measuring asks for it on every item
    std::wstring FIconFilename;
    int FIconIndex = 0;

protected:
    // The base keeps no small picture.
    virtual void SetSmallIcon(HICON handle);
};

// One of the main form's nine icons, persisted in its own sub-key of the settings key.
class TAdditionalIcon : public TAdditionalIconData {
public:
    TAdditionalIcon(const std::wstring& keyAddon, int defaultIndex, bool defaultDisappeared);
    void StoreData() const;

    platform::UniqueHIcon FSmallIcon;
    SIZE FSmallSize{};
    std::wstring FKey;
    bool FDisappeared = false;

protected:
    void SetSmallIcon(HICON handle) override;
};
