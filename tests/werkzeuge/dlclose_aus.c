/* Sanitizer and fuzz builds only, linked into every program there: keeps
 * every dlopen'd library mapped until the process ends. SDL and Mesa load parts of themselves with dlopen and unload them in
 * SDL_Quit; LeakSanitizer, which reports at exit, could then no longer name
 * the library a leak came from, and its suppressions (by library) would not
 * apply. Nothing else changes: the libraries were about to be freed anyway. */
int dlclose(void* handle)
{
    (void)handle;
    return 0;
}
