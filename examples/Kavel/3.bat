# Mode shape job (stand-in): 3.bat RESULT places the sample modes in data/mirno1.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 3.bat "${1:-MIRNO1.OUT}" mirno1.mac
