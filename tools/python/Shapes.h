#pragma once
// The Python view of an import's shapes. Each view keeps the whole import alive, so a shape
// (or a list of them) may outlive the Drawing it came from.
#include <memory>

#include <pybind11/pybind11.h>

#include "Import.h"

using SharedImport = std::shared_ptr<const Import>;

// The shapes of an import, or the children of a placed block, made into Python objects as
// they are asked for.
class ShapeList
{
  public:
    ShapeList(SharedImport owner, const OwnedShapes& shapes)
        : m_owner(std::move(owner)), m_owned(&shapes)
    {
    }
    ShapeList(SharedImport owner, const CObArray& shapes)
        : m_owner(std::move(owner)), m_array(&shapes)
    {
    }
    size_t Size() const;
    pybind11::object At(size_t index) const;

  private:
    SharedImport m_owner;
    const OwnedShapes* m_owned = nullptr;
    const CObArray* m_array = nullptr;
};

// Shape, Polyline, Circle, Ellipse, Text, Body and ShapeList.
void BindShapes(pybind11::module_& module);
