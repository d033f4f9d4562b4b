    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7394130E+09  0.7394130E+08  0.1000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1478826E+10  0.7394130E+08  0.2000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2218239E+10  0.7394130E+08  0.3000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2957652E+10  0.7394130E+08  0.4000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3697065E+10  0.7394130E+08  0.5000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4436478E+10  0.7394130E+08  0.6000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5175891E+10  0.7394130E+08  0.7000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5915304E+10  0.7394130E+08  0.8000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6654717E+10  0.7394130E+08  0.9000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7394130E+10  0.7394130E+08  0.1000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8133543E+10  0.7394130E+08  0.1100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8872956E+10  0.7394130E+08  0.1200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9612369E+10  0.7394130E+08  0.1300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1035178E+11  0.7394130E+08  0.1400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1109120E+11  0.7394130E+08  0.1500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1183061E+11  0.7394130E+08  0.1600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1257002E+11  0.7394130E+08  0.1700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1330943E+11  0.7394130E+08  0.1800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1404885E+11  0.7394130E+08  0.1900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1478826E+11  0.7394130E+08  0.2000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1552767E+11  0.7394130E+08  0.2100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1626709E+11  0.7394130E+08  0.2200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1700650E+11  0.7394130E+08  0.2300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1774591E+11  0.7394130E+08  0.2400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1848532E+11  0.7394130E+08  0.2500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1922474E+11  0.7394130E+08  0.2600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1996415E+11  0.7394130E+08  0.2700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2070356E+11  0.7394130E+08  0.2800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2144298E+11  0.7394130E+08  0.2900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2218239E+11  0.7394130E+08  0.3000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2292180E+11  0.7394130E+08  0.3100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2366122E+11  0.7394130E+08  0.3200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2440063E+11  0.7394130E+08  0.3300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2514004E+11  0.7394130E+08  0.3400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2587946E+11  0.7394130E+08  0.3500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2661887E+11  0.7394130E+08  0.3600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2735828E+11  0.7394130E+08  0.3700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2809769E+11  0.7394130E+08  0.3800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2883711E+11  0.7394130E+08  0.3900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2957652E+11  0.7394130E+08  0.4000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3031593E+11  0.7394130E+08  0.4100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3105535E+11  0.7394130E+08  0.4200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3179476E+11  0.7394130E+08  0.4300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3253417E+11  0.7394130E+08  0.4400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3327358E+11  0.7394130E+08  0.4500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3401300E+11  0.7394130E+08  0.4600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3475241E+11  0.7394130E+08  0.4700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3549182E+11  0.7394130E+08  0.4800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3623124E+11  0.7394130E+08  0.4900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3697065E+11  0.7394130E+08  0.5000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3771006E+11  0.7394130E+08  0.5100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3844948E+11  0.7394130E+08  0.5200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3918889E+11  0.7394130E+08  0.5300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3992830E+11  0.7394130E+08  0.5400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4066772E+11  0.7394130E+08  0.5500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4140713E+11  0.7394130E+08  0.5600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4214654E+11  0.7394130E+08  0.5700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4288595E+11  0.7394130E+08  0.5800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4362537E+11  0.7394130E+08  0.5900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4436478E+11  0.7394130E+08  0.6000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4510419E+11  0.7394130E+08  0.6100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4584361E+11  0.7394130E+08  0.6200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4658302E+11  0.7394130E+08  0.6300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4732243E+11  0.7394130E+08  0.6400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4806184E+11  0.7394130E+08  0.6500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4880126E+11  0.7394130E+08  0.6600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4954067E+11  0.7394130E+08  0.6700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5028008E+11  0.7394130E+08  0.6800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5101950E+11  0.7394130E+08  0.6900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5175891E+11  0.7394130E+08  0.7000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5249832E+11  0.7394130E+08  0.7100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5323774E+11  0.7394130E+08  0.7200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5397715E+11  0.7394130E+08  0.7300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5471656E+11  0.7394130E+08  0.7400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5545598E+11  0.7394130E+08  0.7500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5619539E+11  0.7394130E+08  0.7600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5693480E+11  0.7394130E+08  0.7700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5767421E+11  0.7394130E+08  0.7800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5841363E+11  0.7394130E+08  0.7900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5915304E+11  0.7394130E+08  0.8000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5989245E+11  0.7394130E+08  0.8100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6063187E+11  0.7394130E+08  0.8200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6137128E+11  0.7394130E+08  0.8300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6211069E+11  0.7394130E+08  0.8400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6285010E+11  0.7394130E+08  0.8500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6358952E+11  0.7394130E+08  0.8600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6432893E+11  0.7394130E+08  0.8700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6506834E+11  0.7394130E+08  0.8800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6580776E+11  0.7394130E+08  0.8900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6654717E+11  0.7394130E+08  0.9000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6728658E+11  0.7394130E+08  0.9100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6802600E+11  0.7394130E+08  0.9200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6876541E+11  0.7394130E+08  0.9300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6950482E+11  0.7394130E+08  0.9400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7024424E+11  0.7394130E+08  0.9500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7098365E+11  0.7394130E+08  0.9600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7172306E+11  0.7394130E+08  0.9700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7246247E+11  0.7394130E+08  0.9800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7320189E+11  0.7394130E+08  0.9900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7394130E+11  0.7394130E+08  0.1000000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7468071E+11  0.7394130E+08  0.1010000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7542013E+11  0.7394130E+08  0.1020000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7615954E+11  0.7394130E+08  0.1030000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7689895E+11  0.7394130E+08  0.1040000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7763836E+11  0.7394130E+08  0.1050000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7837778E+11  0.7394130E+08  0.1060000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7911719E+11  0.7394130E+08  0.1070000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7985660E+11  0.7394130E+08  0.1080000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8059602E+11  0.7394130E+08  0.1090000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8133543E+11  0.7394130E+08  0.1100000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8207484E+11  0.7394130E+08  0.1110000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8281426E+11  0.7394130E+08  0.1120000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.8355367E+11  0.7394130E+08  0.1130000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.8429308E+11  0.7394130E+08  0.1140000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.8503250E+11  0.7394130E+08  0.1150000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.8577191E+11  0.7394130E+08  0.1160000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.8651132E+11  0.7394130E+08  0.1170000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.8725073E+11  0.7394130E+08  0.1180000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.8799015E+11  0.7394130E+08  0.1190000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.8872956E+11  0.7394130E+08  0.1200000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.8946897E+11  0.7394130E+08  0.1210000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9020839E+11  0.7394130E+08  0.1220000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9094780E+11  0.7394130E+08  0.1230000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9168721E+11  0.7394130E+08  0.1240000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.9242662E+11  0.7394130E+08  0.1250000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.9316604E+11  0.7394130E+08  0.1260000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.9390545E+11  0.7394130E+08  0.1270000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.9464486E+11  0.7394130E+08  0.1280000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.9538428E+11  0.7394130E+08  0.1290000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.9612369E+11  0.7394130E+08  0.1300000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.9686310E+11  0.7394130E+08  0.1310000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.9760252E+11  0.7394130E+08  0.1320000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.9834193E+11  0.7394130E+08  0.1330000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.9908134E+11  0.7394130E+08  0.1340000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.9982076E+11  0.7394130E+08  0.1350000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1005602E+12  0.7394130E+08  0.1360000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1012996E+12  0.7394130E+08  0.1370000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1020390E+12  0.7394130E+08  0.1380000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1027784E+12  0.7394130E+08  0.1390000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1035178E+12  0.7394130E+08  0.1400000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1042572E+12  0.7394130E+08  0.1410000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1049966E+12  0.7394130E+08  0.1420000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1057361E+12  0.7394130E+08  0.1430000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1064755E+12  0.7394130E+08  0.1440000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1072149E+12  0.7394130E+08  0.1450000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1079543E+12  0.7394130E+08  0.1460000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1086937E+12  0.7394130E+08  0.1470000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1094331E+12  0.7394130E+08  0.1480000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1101725E+12  0.7394130E+08  0.1490000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1109120E+12  0.7394130E+08  0.1500000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.6000000E+02   17                                                                                    Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for static stiff clay with free water
  0.4961565E-01  0.4748058E+03                                                                          Line 8(2): y, p, for static stiff clay with free water
  0.9923130E-01  0.6714767E+03                                                                          Line 8(3): y, p, for static stiff clay with free water
  0.1488469E+00  0.7819798E+03                                                                          Line 8(4): y, p, for static stiff clay with free water
  0.1984626E+00  0.8535048E+03                                                                          Line 8(5): y, p, for static stiff clay with free water
  0.2480782E+00  0.9021585E+03                                                                          Line 8(6): y, p, for static stiff clay with free water
  0.2976939E+00  0.9344501E+03                                                                          Line 8(7): y, p, for static stiff clay with free water
  0.3473095E+00  0.9540983E+03                                                                          Line 8(8): y, p, for static stiff clay with free water
  0.3969252E+00  0.9635026E+03                                                                          Line 8(9): y, p, for static stiff clay with free water
  0.4465408E+00  0.9643313E+03                                                                          Line 8(10): y, p, for static stiff clay with free water
  0.4961565E+00  0.9578057E+03                                                                          Line 8(11): y, p, for static stiff clay with free water
  0.5457721E+00  0.9448554E+03                                                                          Line 8(12): y, p, for static stiff clay with free water
  0.5953878E+00  0.9262097E+03                                                                          Line 8(13): y, p, for static stiff clay with free water
  0.9923130E+00  0.6685654E+03                                                                          Line 8(14): y, p, for static stiff clay with free water
  0.1389238E+01  0.4105352E+03                                                                          Line 8(15): y, p, for static stiff clay with free water
  0.1786163E+01  0.1525049E+03                                                                          Line 8(16): y, p, for static stiff clay with free water
  0.1885395E+01  0.1525049E+03                                                                          Line 8(17): y, p, for static stiff clay with free water
  0.1800000E+03   17                                                                                    Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for stiff clay w/o water
  0.4800000E-04  0.1780135E+02                                                                          Line 8(2): y, p, for stiff clay w/o water
  0.2400000E-03  0.8900675E+02                                                                          Line 8(3): y, p, for stiff clay w/o water
  0.4800000E-03  0.1780135E+03                                                                          Line 8(4): y, p, for stiff clay w/o water
  0.2400000E-02  0.2661923E+03                                                                          Line 8(5): y, p, for stiff clay w/o water
  0.4800000E-02  0.3165578E+03                                                                          Line 8(6): y, p, for stiff clay w/o water
  0.2400000E-01  0.4733643E+03                                                                          Line 8(7): y, p, for stiff clay w/o water
  0.4800000E-01  0.5629281E+03                                                                          Line 8(8): y, p, for stiff clay w/o water
  0.1200000E+00  0.7078447E+03                                                                          Line 8(9): y, p, for stiff clay w/o water
  0.2400000E+00  0.8417739E+03                                                                          Line 8(10): y, p, for stiff clay w/o water
  0.3600000E+00  0.9315760E+03                                                                          Line 8(11): y, p, for stiff clay w/o water
  0.4800000E+00  0.1001044E+04                                                                          Line 8(12): y, p, for stiff clay w/o water
  0.1200000E+01  0.1258746E+04                                                                          Line 8(13): y, p, for stiff clay w/o water
  0.2400000E+01  0.1496909E+04                                                                          Line 8(14): y, p, for stiff clay w/o water
  0.4800000E+01  0.1780135E+04                                                                          Line 8(15): y, p, for stiff clay w/o water
  0.4920000E+01  0.1780135E+04                                                                          Line 8(16): y, p, for stiff clay w/o water
  0.5040000E+01  0.1780135E+04                                                                          Line 8(17): y, p, for stiff clay w/o water
  0.3360000E+03   17                                                                                    Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for stiff clay with k
  0.3840000E-04  0.7873632E+01                                                                          Line 8(2): y, p, for stiff clay with k
  0.1920000E-03  0.3936816E+02                                                                          Line 8(3): y, p, for stiff clay with k
  0.3840000E-03  0.7873632E+02                                                                          Line 8(4): y, p, for stiff clay with k
  0.1920000E-02  0.3936816E+03                                                                          Line 8(5): y, p, for stiff clay with k
  0.3840000E-02  0.6763277E+03                                                                          Line 8(6): y, p, for stiff clay with k
  0.1920000E-01  0.1011346E+04                                                                          Line 8(7): y, p, for stiff clay with k
  0.3840000E-01  0.1202700E+04                                                                          Line 8(8): y, p, for stiff clay with k
  0.9600000E-01  0.1512315E+04                                                                          Line 8(9): y, p, for stiff clay with k
  0.1920000E+00  0.1798455E+04                                                                          Line 8(10): y, p, for stiff clay with k
  0.2880000E+00  0.1990318E+04                                                                          Line 8(11): y, p, for stiff clay with k
  0.3840000E+00  0.2138736E+04                                                                          Line 8(12): y, p, for stiff clay with k
  0.9600000E+00  0.2689318E+04                                                                          Line 8(13): y, p, for stiff clay with k
  0.1920000E+01  0.3198156E+04                                                                          Line 8(14): y, p, for stiff clay with k
  0.3840000E+01  0.3803270E+04                                                                          Line 8(15): y, p, for stiff clay with k
  0.3936000E+01  0.3803270E+04                                                                          Line 8(16): y, p, for stiff clay with k
  0.4032000E+01  0.3803270E+04                                                                          Line 8(17): y, p, for stiff clay with k
  0.5400000E+03   17                                                                                    Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for cemented c-phi
  0.3333333E-01  0.4288857E+04                                                                          Line 8(2): y, p, for cemented c-phi
  0.6666667E-01  0.8577714E+04                                                                          Line 8(3): y, p, for cemented c-phi
  0.1000000E+00  0.1286657E+05                                                                          Line 8(4): y, p, for cemented c-phi
  0.1333333E+00  0.1715543E+05                                                                          Line 8(5): y, p, for cemented c-phi
  0.1666667E+00  0.2144428E+05                                                                          Line 8(6): y, p, for cemented c-phi
  0.2000000E+00  0.2573314E+05                                                                          Line 8(7): y, p, for cemented c-phi
  0.2333333E+00  0.3002200E+05                                                                          Line 8(8): y, p, for cemented c-phi
  0.2666667E+00  0.2929491E+05                                                                          Line 8(9): y, p, for cemented c-phi
  0.3000000E+00  0.2818521E+05                                                                          Line 8(10): y, p, for cemented c-phi
  0.3333333E+00  0.2722822E+05                                                                          Line 8(11): y, p, for cemented c-phi
  0.3666667E+00  0.2639054E+05                                                                          Line 8(12): y, p, for cemented c-phi
  0.4000000E+00  0.2564832E+05                                                                          Line 8(13): y, p, for cemented c-phi
  0.9000000E+00  0.1513701E+05                                                                          Line 8(14): y, p, for cemented c-phi
  0.9450000E+00  0.1513701E+05                                                                          Line 8(15): y, p, for cemented c-phi
  0.9900000E+00  0.1513701E+05                                                                          Line 8(16): y, p, for cemented c-phi
  0.1035000E+01  0.1513701E+05                                                                          Line 8(17): y, p, for cemented c-phi
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2675115E+00  0.4354176E-06  0.4000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.2451554E+00  0.2880000E+06  0.3942072E+05 -0.1609098E+03  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.2230013E+00  0.5676584E+06  0.3789321E+05 -0.2633992E+03  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.2012452E+00  0.8336623E+06  0.3566510E+05 -0.3555196E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.1800736E+00  0.1081236E+07  0.3280900E+05 -0.4378428E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1596602E+00  0.1306112E+07  0.2939581E+05 -0.5102665E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.1401627E+00  0.1504536E+07  0.2549840E+05 -0.5723459E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.1217201E+00  0.1673289E+07  0.2119397E+05 -0.6233289E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.1044508E+00  0.1809729E+07  0.1656783E+05 -0.6617101E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.8845046E-01  0.1911866E+07  0.1173900E+05 -0.6796315E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.7379072E-01  0.1978770E+07  0.6828142E+04 -0.6844961E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.6051848E-01  0.2010191E+07  0.1919977E+04 -0.6788833E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.4865577E-01  0.2006418E+07 -0.2909943E+04 -0.6627611E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.3819995E-01  0.1968288E+07 -0.7483252E+04 -0.6076027E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.2912427E-01  0.1898659E+07 -0.1162179E+05 -0.5419909E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.2137992E-01  0.1800934E+07 -0.1528003E+05 -0.4741882E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.1489836E-01  0.1678627E+07 -0.1844163E+05 -0.4040324E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.9593850E-02  0.1535374E+07 -0.2077079E+05 -0.2429578E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.5365929E-02  0.1379527E+07 -0.2245030E+05 -0.2235725E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.2105322E-02  0.1212090E+07 -0.2393144E+05 -0.1878534E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03 -0.3053780E-03  0.1034915E+07 -0.2429298E+05  0.8742451E+02  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03 -0.1990404E-02  0.8622712E+06 -0.2323239E+05  0.2071846E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03 -0.3070812E-02  0.7003683E+06 -0.2160953E+05  0.2436077E+03  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03 -0.3660127E-02  0.5510940E+06 -0.1976759E+05  0.2680420E+03  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03 -0.3863020E-02  0.4157149E+06 -0.1777441E+05  0.2856201E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03 -0.3774417E-02  0.2951424E+06 -0.1567310E+05  0.2980775E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03 -0.3478862E-02  0.1900223E+06 -0.1349794E+05  0.3061349E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03 -0.3050065E-02  0.1007722E+06 -0.1127953E+05  0.3100880E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03 -0.2550608E-02  0.2759700E+05 -0.9047180E+04  0.3100102E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03 -0.2031800E-02 -0.2950724E+05 -0.6830159E+04  0.3058289E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.1533682E-02 -0.7075730E+05 -0.4658757E+04  0.2973384E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03 -0.1085178E-02 -0.9659333E+05 -0.2565406E+04  0.2841478E+03  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03 -0.7044049E-03 -0.1076991E+06 -0.5867173E+03  0.2654880E+03  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03 -0.3991496E-03 -0.1050421E+06  0.1119976E+04  0.2085935E+03  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.1675489E-03 -0.9157149E+05  0.1939580E+04  0.1907419E+02  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03 -0.1574715E-06 -0.7711211E+05  0.2008316E+04  0.1906074E-01  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.1131636E-03 -0.6265174E+05  0.1956140E+04 -0.1451238E+02  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.1825538E-03 -0.4894370E+05  0.1814883E+04 -0.2472554E+02  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.2176250E-03 -0.3651742E+05  0.1614118E+04 -0.3104258E+02  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.2270905E-03 -0.2570040E+05  0.1379865E+04 -0.3402781E+02  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.2185351E-03 -0.1664737E+05  0.1133815E+04 -0.3431930E+02  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.1983068E-03 -0.9373459E+04  0.8930121E+03 -0.3257040E+02  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.1715058E-03 -0.3787996E+04  0.6699065E+03 -0.2940338E+02  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.1420487E-03  0.2731952E+03  0.4727010E+03 -0.2537593E+02  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.1127831E-03  0.3018899E+04  0.3058921E+03 -0.2095990E+02  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.8563441E-04  0.4678041E+04  0.1709246E+03 -0.1653108E+02  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03  0.6176590E-04  0.5480212E+04  0.6688730E+02 -0.1236816E+02  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03  0.4174007E-04  0.5641218E+04 -0.8809264E+01 -0.8658665E+01  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03  0.2566982E-04  0.5353359E+04 -0.5981587E+02 -0.5509835E+01  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03  0.1335331E-04  0.4779870E+04 -0.9031566E+02 -0.2962331E+01  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.4388397E-05  0.4052813E+04 -0.1045985E+03 -0.1005129E+01  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.1734714E-05  0.3273651E+04 -0.1067417E+03  0.4098131E+00  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.5562366E-05  0.2515733E+04 -0.1003915E+03  0.1354116E+01  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.7626007E-05  0.1828013E+04 -0.8863565E+02  0.1911401E+01  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.8407859E-05  0.1239380E+04 -0.7395015E+02  0.2167903E+01  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.8320668E-05  0.7631309E+03 -0.5820651E+02  0.2205330E+01  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.7698375E-05  0.4012062E+03 -0.4272235E+02  0.2095825E+01  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.6794760E-05  0.1479291E+03 -0.2834190E+02  0.1898745E+01  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.5787418E-05 -0.6917154E+01 -0.1553431E+02  0.1658920E+01  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.4784927E-05 -0.7576497E+02 -0.7961001E+01  0.4447767E+00  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.3835561E-05 -0.1215556E+03 -0.5045479E+01  0.3650906E+00  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.2971429E-05 -0.1484199E+03 -0.2689061E+01  0.2894698E+00  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.2211368E-05 -0.1602780E+03 -0.8536666E+00  0.2203621E+00  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.1563692E-05 -0.1607127E+03  0.5131590E+00  0.1593116E+00  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.1028707E-05 -0.1528886E+03  0.1472250E+01  0.1071025E+00  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.6009265E-06 -0.1395123E+03  0.2087880E+01  0.6390595E-01  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.2709706E-06 -0.1228231E+03  0.2423859E+01  0.2942136E-01  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.2713723E-07 -0.1046087E+03  0.2540601E+01  0.3007068E-02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.1433453E-06 -0.8623842E+02  0.2493092E+01 -0.1620400E-01  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.2533582E-06 -0.6870817E+02  0.2329618E+01 -0.2920554E-01  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.3151934E-06 -0.5269193E+02  0.2091145E+01 -0.3703702E-01  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.3400815E-06 -0.3859568E+02  0.1811217E+01 -0.4072058E-01  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.3379066E-06 -0.2661040E+02  0.1516251E+01 -0.4121437E-01  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.3170727E-06 -0.1676166E+02  0.1226108E+01 -0.3938097E-01  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.2844856E-06 -0.8954438E+01  0.9548499E+00 -0.3596857E-01  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.2456198E-06 -0.3011824E+01  0.7115928E+00 -0.3160285E-01  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.2046421E-06  0.1292498E+01  0.5013887E+00 -0.2678718E-01  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03  0.1645707E-06  0.4208173E+01  0.3260815E+00 -0.2190925E-01  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.1274500E-06  0.5988072E+01  0.1851016E+00 -0.1725185E-01  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.9452816E-07  0.6873636E+01  0.7617156E-01 -0.1300648E-01  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.6642602E-07  0.7084943E+01 -0.4088797E-02 -0.9288065E-02  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.4329178E-07  0.6814757E+01 -0.5966558E-01 -0.6149931E-02  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.2493599E-07  0.6225758E+01 -0.9475816E-01 -0.3598007E-02  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.1094566E-07  0.5450239E+01 -0.1134846E+00 -0.1603777E-02  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.7769947E-09  0.4591580E+01 -0.1196743E+00 -0.1155808E-03  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.6172093E-08  0.3726930E+01 -0.1167355E+00  0.9318979E-03  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03 -0.1050789E-07  0.2910589E+01 -0.1075847E+00  0.1609995E-02  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03 -0.1280280E-07  0.2177710E+01 -0.9462405E-01  0.1990192E-02  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03 -0.1357072E-07  0.1548003E+01 -0.7975588E-01  0.2139854E-02  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03 -0.1325319E-07  0.1029225E+01 -0.6442268E-01  0.2119367E-02  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.1221398E-07  0.6203160E+00 -0.4966336E-01  0.1980445E-02  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.1073981E-07  0.3140730E+00 -0.3617837E-01  0.1765385E-02  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.9045413E-08  0.9934756E-01 -0.2439759E-01  0.1507054E-02  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.7281353E-08 -0.3725224E-01 -0.1454637E-01  0.1229396E-02  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.5543415E-08 -0.1101201E+00 -0.6706544E-02  0.9483326E-03  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.3882692E-08 -0.1338265E+00 -0.8701336E-03  0.6728927E-03  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.2315807E-08 -0.1226501E+00  0.3015721E-02  0.4065114E-03  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.8349232E-09 -0.9040009E-01  0.5013489E-02  0.1484240E-03  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03  0.5825728E-09 -0.5045582E-01  0.5170305E-02 -0.1048641E-03  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.1964689E-08 -0.1594770E-01  0.3503876E-02 -0.3580326E-03  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3335624E-08  0.0000000E+00  0.0000000E+00 -0.6153082E-03  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.7175322E-01 -0.1962926E+07  0.4000000E+05  0.0000000E+00  0.7393125E+11              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.7106503E-01 -0.1674926E+07  0.3945407E+05 -0.1516472E+03  0.7393125E+11              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.6920239E-01 -0.1394788E+07  0.3816654E+05 -0.2060015E+03  0.7393125E+11              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.6636173E-01 -0.1125328E+07  0.3651029E+05 -0.2540680E+03  0.7393125E+11              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.6273201E-01 -0.8690396E+06  0.3452281E+05 -0.2980072E+03  0.7393125E+11              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.5849292E-01 -0.6281997E+06  0.3223230E+05 -0.3382476E+03  0.7393125E+11              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.5381334E-01 -0.4048945E+06  0.2966799E+05 -0.3740611E+03  0.7393125E+11              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.4884986E-01 -0.2009807E+06  0.2686401E+05 -0.4048204E+03  0.7393125E+11              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.4374545E-01 -0.1805277E+05  0.2385866E+05 -0.4299984E+03  0.7393125E+11              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.3862838E-01  0.1425841E+06  0.2069366E+05 -0.4491689E+03  0.7393125E+11              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.3361129E-01  0.2799360E+06  0.1741343E+05 -0.4620074E+03  0.7393125E+11              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.2879048E-01  0.3933374E+06  0.1406435E+05 -0.4682910E+03  0.7393125E+11              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.2424549E-01  0.4824626E+06  0.1069408E+05 -0.4678970E+03  0.7393125E+11              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.2003879E-01  0.5473321E+06  0.7425202E+04 -0.4401237E+03  0.7393125E+11              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.1621588E-01  0.5893856E+06  0.4384644E+04 -0.4044756E+03  0.7393125E+11              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1280623E-01  0.6104710E+06  0.1607154E+04 -0.3670495E+03  0.7393125E+11              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.9824651E-02  0.6125286E+06 -0.8955901E+03 -0.3281572E+03  0.7393125E+11              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.7272568E-02  0.5975745E+06 -0.2893330E+04 -0.2267707E+03  0.7393125E+11              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.5139499E-02  0.5708646E+06 -0.4506208E+04 -0.2212510E+03  0.7393125E+11              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.3406716E-02  0.5326851E+06 -0.6065661E+04 -0.2119302E+03  0.7393125E+11              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.2047447E-02  0.4835191E+06 -0.7540221E+04 -0.1976699E+03  0.7393125E+11              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.1027218E-02  0.4241059E+06 -0.8885149E+04 -0.1759211E+03  0.7393125E+11              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.3043687E-03  0.3555730E+06 -0.9868181E+04 -0.9714328E+02  0.7393125E+11              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03 -0.1691557E-03  0.2820041E+06 -0.1001324E+05  0.5684978E+02  0.7393125E+11              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03 -0.4449411E-03  0.2113823E+06 -0.9242646E+04  0.1572032E+03  0.7393125E+11              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03 -0.5725069E-03  0.1489100E+06 -0.8007494E+04  0.1858946E+03  0.7393125E+11              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03 -0.5956581E-03  0.9607443E+05 -0.6629628E+04  0.1968461E+03  0.7393125E+11              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03 -0.5514428E-03  0.5344336E+05 -0.5193233E+04  0.2021525E+03  0.7393125E+11              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03 -0.4697533E-03  0.2129187E+05 -0.3746082E+04  0.1998338E+03  0.7393125E+11              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03 -0.3731342E-03 -0.5002248E+03 -0.2429979E+04  0.1657505E+03  0.7393125E+11              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03 -0.2768659E-03 -0.1369982E+05 -0.1371462E+04  0.1282819E+03  0.7393125E+11              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03 -0.1902037E-03 -0.2024928E+05 -0.5790750E+03  0.9182557E+02  0.7393125E+11              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03 -0.1177402E-03 -0.2203850E+05 -0.3549908E+02  0.5916774E+02  0.7393125E+11              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03 -0.6072992E-04 -0.2076046E+05  0.2917585E+03  0.3173715E+02  0.7393125E+11              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03 -0.1827669E-04 -0.1783718E+05  0.4135026E+03  0.2080664E+01  0.7393125E+11              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1166925E-04 -0.1480603E+05  0.4159081E+03 -0.1412476E+01  0.7393125E+11              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.3123333E-04 -0.1184810E+05  0.3964036E+03 -0.4005440E+01  0.7393125E+11              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.4248962E-04 -0.9097814E+04  0.3612664E+03 -0.5754900E+01  0.7393125E+11              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.4736659E-04 -0.6645864E+04  0.3162254E+03 -0.6756488E+01  0.7393125E+11              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.4758353E-04 -0.4544169E+04  0.2662339E+03 -0.7130035E+01  0.7393125E+11              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.4461414E-04 -0.2812096E+04  0.2153430E+03 -0.7006316E+01  0.7393125E+11              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.3967293E-04 -0.1443230E+04  0.1666627E+03 -0.6515981E+01  0.7393125E+11              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.3371974E-04 -0.4121522E+03  0.1223936E+03 -0.5780996E+01  0.7393125E+11              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.2747755E-04  0.3192386E+03  0.8391088E+02 -0.4908658E+01  0.7393125E+11              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.2145921E-04  0.7961645E+03  0.5188280E+02 -0.3988032E+01  0.7393125E+11              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.1599913E-04  0.1066351E+04  0.2640724E+02 -0.3088512E+01  0.7393125E+11              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03  0.1128677E-04  0.1176429E+04  0.7152270E+01 -0.2260090E+01  0.7393125E+11              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03  0.7399308E-05  0.1169344E+04 -0.6509806E+01 -0.1534931E+01  0.7393125E+11              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03  0.4331784E-05  0.1082688E+04 -0.1538278E+02 -0.9297849E+00  0.7393125E+11              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03  0.2023431E-05  0.9478314E+03 -0.2034599E+02 -0.4488831E+00  0.7393125E+11              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.3796909E-06  0.7897053E+03 -0.2227504E+02 -0.8696535E-01  0.7393125E+11              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03 -0.7103147E-06  0.6270708E+03 -0.2198401E+02  0.1678065E+00  0.7393125E+11              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03 -0.1360623E-05  0.4731355E+03 -0.2018747E+02  0.3312335E+00  0.7393125E+11              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03 -0.1679173E-05  0.3363713E+03 -0.1747989E+02  0.4208721E+00  0.7393125E+11              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03 -0.1761862E-05  0.2214250E+03 -0.1432933E+02  0.4542828E+00  0.7393125E+11              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.1689289E-05  0.1300289E+03 -0.1108207E+02  0.4477334E+00  0.7393125E+11              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03 -0.1525541E-05  0.6184318E+02 -0.7975092E+01  0.4153172E+00  0.7393125E+11              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03 -0.1318429E-05  0.1518753E+02 -0.5153620E+01  0.3684252E+00  0.7393125E+11              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03 -0.1100668E-05 -0.1236895E+02 -0.2691495E+01  0.3154983E+00  0.7393125E+11              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03 -0.8915802E-06 -0.2356999E+02 -0.1257349E+01  0.8287569E-01  0.7393125E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.6990192E-06 -0.3047477E+02 -0.7194641E+00  0.6653664E-01  0.7393125E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03 -0.5278268E-06 -0.3393028E+02 -0.2948214E+00  0.5141968E-01  0.7393125E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03 -0.3804261E-06 -0.3472019E+02  0.2676307E-01  0.3790935E-01  0.7393125E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03 -0.2573709E-06 -0.3354489E+02  0.2576337E+00  0.2622138E-01  0.7393125E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03 -0.1578371E-06 -0.3101027E+02  0.4111895E+00  0.1643300E-01  0.7393125E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.8004741E-07 -0.2762376E+02  0.5009940E+00  0.8512698E-02  0.7393125E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.2162732E-07 -0.2379596E+02  0.5400934E+00  0.2348244E-02  0.7393125E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03  0.2010724E-07 -0.1984642E+02  0.5405260E+00 -0.2228077E-02  0.7393125E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03  0.4792565E-07 -0.1601238E+02  0.5130016E+00 -0.5417597E-02  0.7393125E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03  0.6451630E-07 -0.1245919E+02  0.4667249E+00 -0.7437033E-02  0.7393125E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.7237066E-07 -0.9291543E+01  0.4093373E+00 -0.8503966E-02  0.7393125E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03  0.7370987E-07 -0.6564738E+01  0.3469499E+00 -0.8825851E-02  0.7393125E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03  0.7044594E-07 -0.4295464E+01  0.2842447E+00 -0.8592271E-02  0.7393125E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03  0.6417006E-07 -0.2471614E+01  0.2246204E+00 -0.7970031E-02  0.7393125E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03  0.5616111E-07 -0.1060930E+01  0.1703659E+00 -0.7100657E-02  0.7393125E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03  0.4740824E-07 -0.1834432E-01  0.1228442E+00 -0.6099814E-02  0.7393125E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03  0.3864251E-07  0.7080271E+00  0.8267534E-01 -0.5058215E-02  0.7393125E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03  0.3037324E-07  0.1172181E+01  0.4990888E-01 -0.4043580E-02  0.7393125E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.2292589E-07  0.1426715E+01  0.2418016E-01 -0.3103288E-02  0.7393125E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.1647894E-07  0.1520375E+01  0.4845683E-02 -0.2267399E-02  0.7393125E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1109807E-07  0.1496493E+01 -0.8903419E-02 -0.1551796E-02  0.7393125E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.6766533E-08  0.1392166E+01 -0.1795034E-01 -0.9612382E-03  0.7393125E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.3411167E-08  0.1238008E+01 -0.2318271E-01 -0.4921963E-03  0.7393125E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.9238819E-09  0.1058335E+01 -0.2544194E-01 -0.1353688E-03  0.7393125E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03 -0.8213073E-09  0.8716439E+00 -0.2548945E-01  0.1221725E-03  0.7393125E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03 -0.1955307E-08  0.6912866E+00 -0.2398682E-01  0.2952234E-03  0.7393125E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03 -0.2604581E-08  0.5262336E+00 -0.2148737E-01  0.3990680E-03  0.7393125E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03 -0.2884865E-08  0.3818684E+00 -0.1843630E-01  0.4484515E-03  0.7393125E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03 -0.2897386E-08  0.2607509E+00 -0.1517716E-01  0.4568648E-03  0.7393125E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03 -0.2727071E-08  0.1633172E+00 -0.1196251E-01  0.4360960E-03  0.7393125E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.2442239E-08  0.8849080E-01 -0.8966965E-02  0.3959985E-03  0.7393125E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.2095357E-08  0.3419294E-01 -0.6301422E-02  0.3444300E-03  0.7393125E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1724500E-08 -0.2249679E-02 -0.4027128E-02  0.2873185E-03  0.7393125E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1355221E-08 -0.2379770E-01 -0.2169037E-02  0.2288177E-03  0.7393125E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1002628E-08 -0.3348382E-01 -0.7278097E-03  0.1715232E-03  0.7393125E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.6735133E-09 -0.3427816E-01  0.3098792E-03  0.1167237E-03  0.7393125E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.3684346E-09 -0.2902155E-01  0.9629115E-03  0.6467416E-04  0.7393125E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.8370554E-10 -0.2041224E-01  0.1249308E-02  0.1488031E-04  0.7393125E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03  0.1867106E-09 -0.1103152E-01  0.1181887E-02 -0.3360823E-04  0.7393125E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.4493916E-09 -0.3393062E-02  0.7660781E-03 -0.8189429E-04  0.7393125E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.7096933E-09  0.0000000E+00  0.0000000E+00 -0.1309141E-03  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.4000000E+05  0.2675115E+00  0.2010191E+07  0.4000000E+05 -0.3105011E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.4000000E+05  0.7175322E-01 -0.1962926E+07  0.4000000E+05  0.1927471E-17                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
