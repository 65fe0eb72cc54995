// The libdime peer: the drawing read into libdime's model, then its entities walked (inserts
// exploded, polyline vertices visited) and counted.
#include <cstdio>

#include <dime/Input.h>
#include <dime/Model.h>
#include <dime/entities/Entity.h>

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
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    dimeInput in;
    dimeModel model;
    if (!in.setFile(argv[1]) || !model.read(&in))
    {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    long long entities = 0;
    model.traverseEntities(CountEntity, &entities, false, true, true);
    std::printf("entities %lld\n", entities);
    return 0;
}
