// The device tool at its fastest, for timing Tandrel's start-up: it answers a discovery at
// once with two adapters, as the stand-in tool does, and every other command with nothing.
// No toolkit, so that what the clock sees is Tandrel's own work.
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc < 3 || std::strcmp(argv[2], "discover_list") != 0)
        return 0;
    std::printf("[discover_list] device 02:1A:7E:00:00:01 at 02:1A:7E:00:00:01 interface eth0 "
                "hfid: Arvelo_PL500\n"
                "[discover_list] device 02:1A:7E:00:00:02 at 02:1A:7E:00:00:02 interface eth0 "
                "hfid: Arvelo_PL1200E\n"
                "[discover_list] 2 device(s) found on %s\n",
                argv[1]);
    return 0;
}
