#pragma once
// Root of the framework's object hierarchy: only the virtual destructor matters here.

class CObject
{
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
