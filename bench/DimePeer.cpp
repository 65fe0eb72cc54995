// The libdime peer: the drawing read into libdime's model, then its entities walked (inserts
// exploded, polyline vertices visited) and counted.
#include <cstdio>

#include <dime/Input.h>
#include <dime/Model.h>
#include <dime/entities/Entity.h>

#include "FileArgument.h"

namespace
{
bool CountEntity(const dimeState* const, dimeEntity*, void* count)
{
    ++*static_cast<long long*>(count);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    const char* path = FileArgument(argc, argv);
    if (!path)
        return 2;
    dimeInput in;
    dimeModel model;
    if (!in.setFile(path) || !model.read(&in))
    {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    long long entities = 0;
    model.traverseEntities(CountEntity, &entities, false, true, true);
    std::printf("entities %lld\n", entities);
    return 0;
}
