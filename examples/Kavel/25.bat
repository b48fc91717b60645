# Unbalance response job (stand-in): 25.bat RESULT places the sample response in data/zeptala.mac.
exec /bin/sh "$(dirname "$0")/samples/place.sh" 25.bat "${1:-ZEPTALa.OUT}" zeptala.mac
