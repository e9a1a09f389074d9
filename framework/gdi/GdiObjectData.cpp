#include "framework/gdi/GdiObjectData.h"

#include "framework/gdi/FontLibrary.h"
#include "framework/gdi/ObjectTable.h"

namespace gdi {

GdiObjectData::~GdiObjectData()
{
    ObjectTable::Instance().Remove(this);
}

const FontFace* FontData::Face()
{
    if (!m_resolved) {
        m_face = FontLibrary::Instance().Resolve(logFont);
        m_resolved = true;
    }
    return m_face.get();
}

} // namespace gdi
