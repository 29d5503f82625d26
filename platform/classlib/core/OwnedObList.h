// Object lists that own what they point to. CObList itself owns nothing (its destructor and RemoveAll
// free no object, and its loading accepts back-references to objects read elsewhere); a class that
// keeps its own objects in a CObList deletes them with AfxDeleteOwnedObjects and serialises them with
// AfxSerializeOwnedObList, so that a damaged or hostile archive can never hand one object to two
// owners.
#pragma once

#include "core/Lists.h"

// Deletes every object of the list (null entries are skipped) and empties it.
void AfxDeleteOwnedObjects(CObList& list);

// Appends pOb, which the list then owns; when no node can be made, deletes pOb and throws
// CMemoryException (so that a new object never loses its owner). Returns its position.
POSITION AfxAddOwnedTail(CObList& list, CObject* pOb);

// Storing: writes what CObList::Serialize writes (the count, then every object with its class tag).
// Loading: reads that form and appends each object to the list as soon as it is read, so that the
// list owns what was read even when a later object fails. Every entry must be a new object of pClass
// or of a class derived from it: a null entry or a class of another kind throws CArchiveException
// badClass, a back-reference to an object read before throws badIndex (see
// CArchive::ReadOwnedObject). pClass must not be null.
void AfxSerializeOwnedObList(CArchive& ar, CObList& list, const CRuntimeClass* pClass);
