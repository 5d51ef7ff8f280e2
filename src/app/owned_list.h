// owned_list.h -- the game's lists of records: pointers with a count, owning what they point to
#pragma once

// A record is one allocation; a text record (a name) is an array.
template <typename Record> void delete_record(Record *record)
{
    delete record;
}

inline void delete_record(char *text)
{
    delete[] text;
}

// Deletes entry `index`; every later entry shifts down one place, keeping
// its order. Indices outside the list change nothing.
template <typename Record> void remove_from_list(Record **list, int &count, int index)
{
    if (index < 0 || index >= count)
        return;
    delete_record(list[index]);
    for (int i = index; i < count - 1; i++)
        list[i] = list[i + 1];
    count--;
    list[count] = nullptr;
}

// Removes entry 0 until the list is empty.
template <typename Record> void clear_list(Record **list, int &count)
{
    while (count > 0)
        remove_from_list(list, count, 0);
}
