#include "imagelist/ImageItem.h"

#include "settings/Archive.h"

void CImageItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteName(m_strPath);
        ar.WriteInt32(m_nWidth);
        ar.WriteInt32(m_nHeight);
        ar.WriteInt32(m_nDepth);
        ar.WriteInt32(m_bIsFolder);
        ar.WriteInt32(m_bIncludeSubFolders);
    } else {
        m_strPath = ar.ReadName();
        m_nWidth = ar.ReadInt32();
        m_nHeight = ar.ReadInt32();
        m_nDepth = ar.ReadInt32();
        m_bIsFolder = ar.ReadInt32();
        m_bIncludeSubFolders = ar.ReadInt32();
    }
}
