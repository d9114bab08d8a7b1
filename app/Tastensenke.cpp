#include "Tastensenke.h"

void Tastensenke::InputBuffer(int key, int type)
{
    if (type == 2)
        keyDown = key;
}

int Tastensenke::GetKeyDown() const
{
    return keyDown;
}
