// CHandleMap: the two maps from a Win32 handle to the library object that wraps it.
//
// - Permanent entries are objects the program made or attached (Attach, Create...): the object owns
//   its handle and leaves the map when it detaches, deletes the handle or is destroyed. When two
//   objects hold the same handle (stock objects), the last one attached is found.
// - Temporary entries are wrappers that FromHandle makes for handles no object holds. They never
//   own their handle and live until DeleteTemps (the idle handler of the application calls the
//   classes' DeleteTempMap). A temporary that loses its handle early (Detach, DeleteObject) leaves
//   the look-up at once but is still freed by DeleteTemps, so a pointer handed out stays valid until
//   idle.
//
// Single-threaded, as everything on the user-interface thread.
#pragma once

#include <unordered_map>
#include <vector>

template <class Handle, class Object>
class CHandleMap {
public:
    // The object attached to h; null when none.
    Object* LookupPermanent(Handle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // The temporary wrapper of h; null when none.
    Object* LookupTemporary(Handle h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }

    // Records pObject as the owner of h (replacing an earlier entry).
    void SetPermanent(Handle h, Object* pObject) { m_permanent[h] = pObject; }

    // Records a new temporary wrapper of h; the map frees it in DeleteTemps.
    void AddTemporary(Handle h, Object* pObject)
    {
        m_temporary[h] = pObject;
        m_temps.push_back(pObject);
    }

    // Forgets every look-up entry of h that leads to pObject (the object gave its handle up).
    void Remove(Handle h, const Object* pObject)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
        it = m_temporary.find(h);
        if (it != m_temporary.end() && it->second == pObject)
            m_temporary.erase(it);
    }

    // Forgets the temporary look-up entry of h whatever its object (the handle was destroyed).
    void ForgetTemporary(Handle h) { m_temporary.erase(h); }

    // Frees every temporary wrapper: release(pObject) must clear the object's handle without
    // destroying it; the object is then deleted.
    template <class Release>
    void DeleteTemps(Release release)
    {
        std::vector<Object*> temps;
        temps.swap(m_temps);
        m_temporary.clear();
        for (Object* pObject : temps) {
            release(pObject);
            delete pObject;
        }
    }

    // The number of temporary wrappers not yet freed (for tests of the idle clean-up).
    size_t GetTemporaryCount() const { return m_temps.size(); }

private:
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
    std::vector<Object*> m_temps;
};
